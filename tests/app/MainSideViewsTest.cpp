// The side views of the scans through the main dialog: they list only the scan of the
// folder the operation names now.
#include <gtest/gtest.h>

#include "app/ControllerFixture.h"
#include "app/RowFiles.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

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

}  // namespace
}  // namespace evenkeeper::test
