// The program's first start and its exit, seen from outside.
#include "app/driver/DriverFixture.h"

namespace evenkeeper::driver {
namespace {

using FirstStart = DriverTest;

// One blank operation, shown; after Exit only the program settings exist, with their five
// keys, since no operation was changed (a direction shown from the View menu is no change).
TEST_F(FirstStart, ShowsOneBlankOperationAndSavesOnlyTheProgramSettings) {
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    EXPECT_EQ(window.text(IDC_TOP_FOLDER), "");
    EXPECT_EQ(window.text(IDC_BOTTOM_FOLDER), "");
    EXPECT_EQ(window.text(IDC_LEVELS), "16");
    EXPECT_EQ(window.text(IDC_MIDDLE), "Copy");
    EXPECT_FALSE(window.enabled(IDC_MIDDLE));
    EXPECT_EQ(SendMessageA(window.control(IDC_COPY), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(window.status(), dataFile());
    EXPECT_EQ(window.rowCount(), 0);

    window.command(IDM_SHOW_BOTTOM_TO_TOP);
    EXPECT_EQ(exitProgram(window), 0u);
    std::vector<std::string> lines = linesOf(readFile(settingsFile()));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "[Program Settings]");
    const char* keys[] = {"Cols=", "flags=", "showCmd=", "rcNormal=", "DataFile="};
    for (int key = 0; key < 5; ++key) EXPECT_EQ(lines[key + 1].rfind(keys[key], 0), 0u) << lines[key + 1];
    EXPECT_EQ(lines[5], "DataFile=" + dataFile());
    EXPECT_FALSE(fileExists(dataFile()));
}

}  // namespace
}  // namespace evenkeeper::driver
