// "Choose previous sync" in the real program: the list of stored operations in their
// colours, OK, Delete and Cancel, and what the data file keeps after exit.
#include <windows.h>

#include "app/driver/ChooseWindow.h"
#include "app/driver/DriverFixture.h"
#include "app/driver/Waiting.h"

namespace evenkeeper::driver {
namespace {

using Choose = DriverTest;

// One operation per name, from C:\name\ to F:\name\.
std::vector<StoredOperation> named(std::initializer_list<const char*> names) {
    std::vector<StoredOperation> operations;
    for (const char* name : names)
        operations.push_back({std::string("C:\\") + name + "\\", std::string("F:\\") + name + "\\"});
    return operations;
}

TEST_F(Choose, OpensOnTheCurrentOperationInPairsOfColours) {
    storeOperations(named({"a", "b", "c", "d", "e"}), 3);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    ChooseWindow choose(window);
    ASSERT_TRUE(choose.handle()) << "the dialog did not open";
    EXPECT_EQ(choose.caption(), "Choose a sync operation");
    EXPECT_FALSE(IsWindowEnabled(window.handle())) << "the main dialog stayed usable";
    ASSERT_EQ(choose.rowCount(), 10);
    EXPECT_EQ(choose.selectedRow(), 6);
    const COLORREF pink = 0xB469FF, cyan = 0xFFFF00, magenta = 0xFF00FF, lightBlue = 0xFACE87;
    const COLORREF pairs[] = {pink, cyan, magenta, lightBlue, pink};
    // The rows are read off the screen once the list has painted them (white before).
    waitUntil([&] { return choose.rowColour(0) != 0xFFFFFF && choose.rowColour(9) != 0xFFFFFF; });
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(choose.rowColour(row), pairs[row / 2]) << "row " << row;
    choose.pressKey(VK_ESCAPE);
    ASSERT_TRUE(choose.waitClosed());
    EXPECT_EQ(window.text(IDC_TOP_FOLDER), "C:\\d\\");
    EXPECT_EQ(exitProgram(window), 0u);
    EXPECT_EQ(lastWriteTime(dataFile()), kBaseTime) << "a Cancel that changed nothing marked a change";
}

TEST_F(Choose, OkMakesTheChosenOperationCurrentAndTheDataFileKeepsIt) {
    storeOperations(named({"a", "b", "c"}), 0);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    EXPECT_EQ(window.text(IDC_TOP_FOLDER), "C:\\a\\");
    ChooseWindow choose(window);
    ASSERT_TRUE(choose.handle()) << "the dialog did not open";
    choose.selectRow(3);  // the second row of the second operation
    choose.click(IDOK);
    ASSERT_TRUE(choose.waitClosed());
    EXPECT_EQ(window.text(IDC_TOP_FOLDER), "C:\\b\\");
    EXPECT_EQ(window.text(IDC_BOTTOM_FOLDER), "F:\\b\\");
    EXPECT_EQ(exitProgram(window), 0u);
    const std::string saved = readFile(dataFile());
    EXPECT_NE(saved.find("index=1\r\n"), std::string::npos) << saved;
}

TEST_F(Choose, DeleteThenCancelKeepsTheDeletionShowsTheSuccessorAndSavesAtExit) {
    storeOperations(named({"a", "b", "c"}), 1);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    ChooseWindow choose(window);
    ASSERT_TRUE(choose.handle()) << "the dialog did not open";
    ASSERT_EQ(choose.selectedRow(), 2);
    choose.click(IDC_CHOOSE_DELETE);
    ASSERT_TRUE(waitUntil([&] { return choose.rowCount() == 4; })) << "Delete removed no operation";
    EXPECT_EQ(choose.selectedRow(), 2);
    EXPECT_TRUE(IsWindow(choose.handle())) << "Delete closed the dialog";
    choose.click(IDCANCEL);
    ASSERT_TRUE(choose.waitClosed());
    // The deleted operation was current: the one that took its place is.
    EXPECT_EQ(window.text(IDC_TOP_FOLDER), "C:\\c\\");
    EXPECT_EQ(exitProgram(window), 0u);
    const std::vector<std::string> lines = linesOf(readFile(dataFile()));
    const std::vector<std::string> expected = {
        "[Program Settings]", "p=Evenkeeper", "v=1.0", "index=1",
        "[a]", "C:\\a\\", "F:\\a\\", "operation=0", "direction=0", "levels=16", "not used",
        "[b]", "C:\\c\\", "F:\\c\\", "operation=0", "direction=0", "levels=16", "not used"};
    EXPECT_EQ(lines, expected);
}

TEST_F(Choose, DeleteWithOneOperationLeftDoesNothing) {
    storeOperations(named({"only"}), 0);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    ChooseWindow choose(window);
    ASSERT_TRUE(choose.handle()) << "the dialog did not open";
    ASSERT_EQ(choose.rowCount(), 2);
    choose.click(IDC_CHOOSE_DELETE);
    // The close box cancels after Delete was handled.
    PostMessageA(choose.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(choose.waitClosed());
    EXPECT_EQ(window.text(IDC_TOP_FOLDER), "C:\\only\\");
    EXPECT_EQ(exitProgram(window), 0u);
    EXPECT_EQ(lastWriteTime(dataFile()), kBaseTime) << "the data file was written again";
}

}  // namespace
}  // namespace evenkeeper::driver
