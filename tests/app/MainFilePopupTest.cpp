// The file popup of the result list: it needs a selected row, and deleting a listed file
// asks first.
#include <gtest/gtest.h>

#include "app/ControllerFixture.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

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
