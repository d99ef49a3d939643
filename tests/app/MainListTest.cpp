// The result list through the main dialog: commands that wait out a scan or a run, the side
// views of the scans, the file popup and deleting a listed file.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/ControllerFixture.h"
#include "app/RowFiles.h"
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

TEST(MainSideViews, ListOnlyTheScanOfTheFolderTheOperationHasNow) {
    ControllerFixture f;
    f.tree.file("top\\a.txt", "alpha", kBaseTime);
    f.tree.file("top\\Album\\b.mp3", "beta", kBaseTime);
    f.tree.file("bottom\\c.txt", "gamma", kBaseTime);
    f.tree.folder("other");
    f.storeOperation("top\\", "bottom\\");
    f.start();
    f.controller.command(IDM_VIEW_TOP);
    EXPECT_TRUE(f.rows().empty());
    EXPECT_FALSE(f.view.middleEnabled);

    f.controller.command(IDC_SCAN);
    f.controller.command(IDM_VIEW_TOP);
    EXPECT_EQ(f.rows(), (Lines{"2 a.txt", "2 b.mp3"}));
    EXPECT_FALSE(f.view.middleEnabled);
    f.view.take();
    f.controller.command(IDC_MIDDLE);
    EXPECT_EQ(f.view.take(), Lines{});
    EXPECT_FALSE(f.tree.exists("bottom\\a.txt"));

    // The bottom view's rows are the bottom folder's files.
    f.controller.command(IDM_VIEW_BOTTOM);
    EXPECT_EQ(f.rows(), Lines{"2 c.txt"});
    f.view.rowList.selected = 0;
    f.view.answers.push_back(kAnswerYes);
    f.view.take();
    f.controller.command(IDM_DELETE_FILE);
    EXPECT_EQ(f.view.take(),
              Lines{"message 0x24 Evenkeeper: " + deleteQuestion(f.tree.path("bottom\\c.txt"))});
    EXPECT_FALSE(f.tree.exists("bottom\\c.txt"));
    EXPECT_TRUE(f.rows().empty());

    f.controller.command(IDC_MOVE);
    EXPECT_EQ(f.rows(), (Lines{"0 a.txt", "0 b.mp3"}));
    EXPECT_TRUE(f.view.middleEnabled);

    f.view.browsePicks = true;
    f.view.browsed = f.tree.path("other\\");
    f.controller.command(IDC_BROWSE_TOP);
    EXPECT_TRUE(f.rows().empty());
    EXPECT_FALSE(f.view.middleEnabled);
    EXPECT_FALSE(f.controller.session().scanValid);
    f.controller.command(IDM_VIEW_TOP);
    EXPECT_TRUE(f.rows().empty());
    f.controller.command(IDM_VIEW_BOTTOM);
    EXPECT_EQ(f.rows(), Lines{"2 c.txt"});
}

TEST(MainFilePopup, NeedsASelectedRowAndDeleteAsksBeforeItDeletes) {
    ControllerFixture f;
    const std::string folder = f.tree.path("top\\");
    ASSERT_LT(folder.size(), 70u);
    const std::string longName = std::string(80 - folder.size() - 4, 'n') + ".txt";
    const std::string longPath = folder + longName;
    f.tree.file("top\\a.txt", "alpha", kBaseTime);
    f.tree.file("top\\b.txt", "beta", kBaseTime);
    f.tree.file("top\\" + longName, "long", kBaseTime);
    f.tree.folder("bottom");
    f.storeOperation("top\\", "bottom\\");
    f.start();
    f.controller.command(IDC_SCAN);
    ASSERT_EQ(f.rows(), (Lines{"0 a.txt", "0 b.txt", "0 " + longName}));
    f.view.take();
    f.controller.contextMenu(10, 20);
    EXPECT_EQ(f.view.take(), Lines{});

    f.view.rowList.selected = 2;
    f.controller.contextMenu(10, 20);
    f.controller.openSelectedFile();
    EXPECT_EQ(f.view.take(), (Lines{"popup 10 20", "open " + longPath}));
    f.view.answers.push_back(kAnswerNo);
    f.controller.command(IDM_DELETE_FILE);
    // A path of exactly one line is followed by its line break and an empty line.
    EXPECT_EQ(f.view.take(),
              Lines{"message 0x24 Evenkeeper: " + longPath + "\n\nDelete this file?"});
    EXPECT_TRUE(f.tree.exists("top\\" + longName));
    EXPECT_EQ(f.rows().size(), 3u);
    f.view.answers.push_back(kAnswerYes);
    f.controller.command(IDM_DELETE_FILE);
    EXPECT_FALSE(f.tree.exists("top\\" + longName));
    EXPECT_EQ(f.rows(), (Lines{"0 a.txt", "0 b.txt"}));
    // The scan still holds the deleted file until the next one.
    f.controller.command(IDM_SHOW_TOP_TO_BOTTOM);
    EXPECT_EQ(f.rows().size(), 3u);

    // A file that is already gone cannot be deleted: its row stays.
    ASSERT_TRUE(systemFileSystem().deleteFile(f.tree.path("top\\a.txt").c_str()));
    f.view.rowList.selected = 0;
    f.view.answers.push_back(kAnswerYes);
    f.controller.command(IDM_DELETE_FILE);
    EXPECT_TRUE(f.view.answers.empty());
    EXPECT_EQ(f.rows(), (Lines{"0 a.txt", "0 b.txt", "0 " + longName}));
}

}  // namespace
}  // namespace evenkeeper::test
