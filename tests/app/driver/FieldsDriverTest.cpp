// The fields of the real program and the notices that guard a scan: levels out of range,
// missing and overlapping folders, a folder changed under a plan, Enter in a field.
#include "app/driver/DriverFixture.h"
#include "app/driver/Waiting.h"

namespace evenkeeper::driver {
namespace {

using Fields = DriverTest;

TEST_F(Fields, LevelsAboveSixteenAreNoticedAndLettersCountAsZero) {
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    window.enter(IDC_LEVELS, "17");
    ASSERT_TRUE(window.answerBox("OK")) << "no notice for 17 levels";
    EXPECT_TRUE(waitUntil([&] { return window.text(IDC_LEVELS) == "16"; }))
        << window.text(IDC_LEVELS);
    window.enter(IDC_LEVELS, "abc");
    EXPECT_FALSE(window.boxShown());
    EXPECT_EQ(exitProgram(window), 0u);
    std::vector<std::string> record = firstRecord();
    ASSERT_EQ(record.size(), 6u);
    EXPECT_EQ(record[4], "levels=0");
}

// A scan refused with a notice leaves no plan and no scan to look at.
void expectRefusedScan(MainWindow& window, const char* why) {
    window.click(IDC_SCAN);
    EXPECT_TRUE(window.answerBox("OK")) << "no notice: " << why;
    window.command(IDM_VIEW_TOP);
    window.settle();
    EXPECT_EQ(window.rowCount(), 0) << why;
    EXPECT_FALSE(window.enabled(IDC_MIDDLE)) << why;
}

TEST_F(Fields, MissingOrOverlappingFoldersAreRefusedWithANotice) {
    top.file("a.txt", 10, kBaseTime);
    top.file("sub\\b.txt", 10, kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    window.enter(IDC_TOP_FOLDER, top.path("missing\\"));
    window.enter(IDC_BOTTOM_FOLDER, bottom.root());
    expectRefusedScan(window, "missing top folder");
    window.enter(IDC_TOP_FOLDER, top.root());
    window.enter(IDC_BOTTOM_FOLDER, bottom.path("missing\\"));
    expectRefusedScan(window, "missing bottom folder");

    window.enter(IDC_BOTTOM_FOLDER, top.path("sub\\"));
    expectRefusedScan(window, "bottom folder inside the top one");
    window.enter(IDC_BOTTOM_FOLDER, top.root());
    expectRefusedScan(window, "the same folder twice");
    // Without subfolders the top's scan never reaches the bottom folder.
    window.enter(IDC_BOTTOM_FOLDER, top.path("sub\\"));
    window.enter(IDC_LEVELS, "0");
    ASSERT_TRUE(window.scan());
    EXPECT_EQ(window.names(), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(exitProgram(window), 0u);
}

// A plan belongs to the folders that were scanned; Enter scans the text that was typed.
TEST_F(Fields, AChangedFolderDropsThePlanAndEnterScansTheTypedFolder) {
    top.file("a.txt", 10, kBaseTime);
    top.file("b.txt", 10, kBaseTime);
    TempTree other;
    other.file("a.txt", 10, kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    ASSERT_TRUE(window.scan());
    EXPECT_EQ(window.rowCount(), 2);
    window.enter(IDC_BOTTOM_FOLDER, bottom.root());
    EXPECT_EQ(window.rowCount(), 2) << "the same text committed again dropped the plan";
    EXPECT_TRUE(window.enabled(IDC_MIDDLE));
    window.enter(IDC_BOTTOM_FOLDER, other.root());
    EXPECT_EQ(window.rowCount(), 0);
    EXPECT_FALSE(window.enabled(IDC_MIDDLE));

    window.enter(IDC_BOTTOM_FOLDER, bottom.root());
    window.typeInto(IDC_BOTTOM_FOLDER, other.path(""));
    window.pressKey(VK_RETURN);
    window.settle();
    ASSERT_TRUE(waitUntil([&] { return window.enabled(IDC_MIDDLE); })) << "Enter did not scan";
    ASSERT_TRUE(window.closeResults());
    EXPECT_EQ(window.names(), std::vector<std::string>{"b.txt"});
    EXPECT_EQ(exitProgram(window), 0u);
    std::vector<std::string> record = firstRecord();
    ASSERT_EQ(record.size(), 6u);
    EXPECT_EQ(record[1], other.root());
}

}  // namespace
}  // namespace evenkeeper::driver
