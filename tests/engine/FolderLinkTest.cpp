// Folder links (junctions and symbolic links) are passed over like folders that could not be
// read: a link back up the tree would repeat it at every level, and a link in the
// destination would let a Duplicate delete outside the chosen folder.
#include <gtest/gtest.h>

#include "support/RunFixture.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

constexpr std::uint32_t kFolderLink = kAttributeDirectory | kAttributeReparsePoint;

TEST(FolderLink, IsPassedOverAndGuardsItsTwinOnTheOtherSide) {
    PlanFixture f;
    f.tree.addFile("M:\\top\\same.txt", 1, kBaseTime);
    f.tree.addFolder("M:\\top\\Linked", kFolderLink);
    f.tree.addFile("M:\\top\\Linked\\seen-through-link.mp3", 1, kBaseTime);
    f.tree.addFile("M:\\bottom\\same.txt", 1, kBaseTime);
    f.tree.addFile("M:\\bottom\\linked\\only-here.mp3", 1, kBaseTime);
    f.tree.addFile("M:\\bottom\\extra.txt", 1, kBaseTime);
    ASSERT_TRUE(f.scan());
    EXPECT_EQ(f.top.unreadFolders(), (Lines{"Linked\\"}));
    EXPECT_EQ(f.top.table().count(), 1);
    EXPECT_EQ(f.plan(kDuplicate, kTopToBottom), (Lines{"3 extra.txt"}));
    // Nor is anything of the other side copied through the link.
    EXPECT_EQ(f.plan(kCopy, kBottomToTop), (Lines{"1 extra.txt"}));
}

TEST(FolderLink, LoopsBackUpTheTreeAreNotWalked) {
    TempTree tree;
    tree.file("top\\a.txt", 1, kBaseTime);
    tree.file("top\\sub\\b.txt", 2, kBaseTime);
    tree.folderLink("top\\self", ".");
    tree.folderLink("top\\sub\\up", "..");
    PlanFixture f(&systemDirectorySearch());
    f.top.reset();
    ASSERT_EQ(f.top.scan(tree.path("top\\").c_str(), 16), 0);
    EXPECT_EQ(f.top.table().count(), 2);
    EXPECT_EQ(f.top.folders().lastIndex(), 1);  // the root and sub\ only
    EXPECT_EQ(f.top.unreadFolders(), (Lines{"self\\", "sub\\up\\"}));
}

// The destination's link leads to a folder outside the chosen one; a Duplicate from a top
// that has the same relative folder must neither delete, copy nor create anything there.
TEST(FolderLink, DuplicateDoesNotActThroughADestinationLinkOutsideTheFolder) {
    RunFixture r;
    r.tree.file("top\\keep.txt", "k", kBaseTime);
    r.tree.file("top\\Music\\new.mp3", "n", kBaseTime);
    r.tree.folder("top\\Music\\Live");
    r.tree.file("bottom\\keep.txt", "k", kBaseTime);
    r.tree.file("bottom\\old.txt", "o", kBaseTime);
    r.tree.file("outside\\precious.mp3", "p", kBaseTime);
    r.tree.folderLink("bottom\\Music", "..\\outside");

    ASSERT_EQ(r.plan(kDuplicate, kTopToBottom), (Lines{"3 old.txt"}));
    EXPECT_EQ(r.f.bottom.unreadFolders(), (Lines{"Music\\"}));
    r.run();
    EXPECT_TRUE(r.f.rows.rows.empty());
    EXPECT_FALSE(r.tree.exists("bottom\\old.txt"));
    EXPECT_EQ(r.tree.read("outside\\precious.mp3"), "p");
    EXPECT_FALSE(r.tree.exists("outside\\new.mp3"));
    EXPECT_FALSE(r.tree.exists("outside\\Live"));
    EXPECT_EQ(r.log(), "");
}

// A link on the source side hides what it leads to; the destination's real folder of the
// same name keeps its files.
TEST(FolderLink, DuplicateKeepsTheDestinationTwinOfASourceLink) {
    RunFixture r;
    r.tree.file("outside\\a.mp3", "a", kBaseTime);
    r.tree.folderLink("top\\Music", "..\\outside");
    r.tree.file("bottom\\Music\\mine.mp3", "m", kBaseTime);
    r.tree.file("bottom\\Music\\Old\\older.mp3", "o", kBaseTime);
    EXPECT_TRUE(r.plan(kDuplicate, kTopToBottom).empty());
    r.run();
    EXPECT_TRUE(r.tree.exists("bottom\\Music\\mine.mp3"));
    EXPECT_TRUE(r.tree.exists("bottom\\Music\\Old\\older.mp3"));
    EXPECT_FALSE(r.tree.exists("bottom\\Music\\a.mp3"));
}

}  // namespace
}  // namespace evenkeeper::test
