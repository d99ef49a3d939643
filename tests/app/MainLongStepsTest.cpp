// The main dialog's long steps: the commands that wait out a scan or a run, and the menu
// items grayed meanwhile.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/ControllerFixture.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

TEST(MainLongSteps, CommandsWaitOutARunOrAScanAndExitComesAfterTheScan) {
    ControllerFixture f;
    f.tree.file("top\\a.txt", "alpha", kBaseTime);
    f.tree.file("top\\b.txt", "beta", kBaseTime);
    f.tree.folder("bottom");
    f.tree.folder("other");
    f.storeOperation("top\\", "bottom\\");
    f.start();
    f.controller.command(IDC_SCAN);
    f.view.progressPanel.calls.clear();
    // A run refuses the popup's delete and a new scan of the tables it walks.
    f.pump.once = [&] {
        f.view.rowList.selected = 0;
        f.view.answers.push_back(kAnswerYes);
        f.controller.command(IDM_DELETE_FILE);
        f.controller.command(IDC_SCAN);
    };
    f.controller.command(IDC_MIDDLE);
    EXPECT_EQ(f.view.answers.size(), 1u);
    EXPECT_EQ(f.tree.read("bottom\\a.txt"), "alpha");
    EXPECT_EQ(f.tree.read("bottom\\b.txt"), "beta");
    EXPECT_EQ(std::count(f.view.progressPanel.calls.begin(), f.view.progressPanel.calls.end(),
                         "show Scanning folders..."), 0);

    // A scan refuses everything but Exit, which waits for it.

    f.tree.file("top\\c.txt", "gamma", kBaseTime);
    f.view.take();
    Lines scanStart, during;
    bool savedDuring = true;
    f.pump.once = [&] {
        scanStart = f.view.take();
        f.controller.command(IDC_SCAN);
        f.commit(Field::topFolder, f.tree.path("other\\"));
        f.controller.command(IDC_MOVE);
        f.controller.command(IDM_VIEW_TOP);
        f.controller.menuOpening();
        f.controller.command(IDM_EXIT);
        during = f.view.take();
        savedDuring = f.tree.exists(f.settingsFile());
    };
    f.controller.command(IDC_SCAN);
    ASSERT_FALSE(scanStart.empty());
    EXPECT_EQ(scanStart[0], "long step on");
    // Only the menu was touched: every command of it grayed.
    ASSERT_FALSE(during.empty());
    for (const std::string& call : during)
        EXPECT_TRUE(call.compare(0, 5, "menu ") == 0 && call.compare(call.size() - 4, 4, " off") == 0) << call;
    EXPECT_FALSE(savedDuring);
    EXPECT_EQ(f.operation().operation, kCopy);
    EXPECT_EQ(f.rows(), Lines{"0 c.txt"});
    EXPECT_EQ(f.operation().topFolder, f.tree.path("top\\"));
    Lines calls = f.view.take();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(Lines(calls.end() - 2, calls.end()), (Lines{"long step off", "end 0"}));
    EXPECT_TRUE(f.tree.exists(f.settingsFile()));
    EXPECT_FALSE(f.tree.exists(f.logFile()));
}

TEST(MainLongSteps, ResultsChooseSyncAndTheHelpMenuWaitOutAScanTheirMenuItemsGrayed) {
    ControllerFixture f;
    f.startOnOneFile();
    bool chooserOpened = false;
    f.view.chooser = [&] { return chooserOpened = true, 1; };
    const int waiting[] = {IDM_VIEW_TOTALS, IDM_CHOOSE_SYNC, IDM_PROGRAM_INFO, IDM_ABOUT, IDM_CHECK_UPDATES};
    Lines during;
    f.pump.once = [&] {
        f.view.take();
        for (int id : waiting) f.controller.command(id);
        f.controller.menuOpening();
        during = f.view.take();
    };
    f.controller.command(IDC_SCAN);
    EXPECT_EQ(std::count(during.begin(), during.end(), "results"), 0);
    EXPECT_FALSE(chooserOpened);
    EXPECT_FALSE(f.tree.exists(f.helpFile()));
    EXPECT_EQ(std::count(during.begin(), during.end(), "menu " + std::to_string(IDM_VIEW_TOTALS) + " off"), 1);
    for (int id : waiting) {
        ASSERT_EQ(f.view.menuItems.count(id), 1u) << id;
        EXPECT_FALSE(f.view.menuItems[id]) << id << ": the menu offered it during the scan";
    }
    for (const std::string& call : during) EXPECT_EQ(call.compare(0, 5, "menu "), 0) << call;

    // Once the scan is over they work again.
    f.controller.menuOpening();
    EXPECT_TRUE(f.view.menuItems[IDM_VIEW_TOTALS]);
    EXPECT_TRUE(f.view.menuItems[IDM_ABOUT]);
}

}  // namespace
}  // namespace evenkeeper::test
