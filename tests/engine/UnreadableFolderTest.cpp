// A folder a scan could not read must not make the other side's twin look like a heap of
// files to delete, nor like an empty place to copy into: nothing in or below it is planned.
#include <gtest/gtest.h>

#include "support/Permissions.h"
#include "support/PlanFixture.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

TEST(UnreadableSource, MemoryTreeFolderThatFailsPlansNoDeletionBelowIt) {
    PlanFixture f;
    f.tree.addFile("M:\\top\\same.txt", 1, kBaseTime);
    f.tree.addFile("M:\\top\\Locked\\a.mp3", 1, kBaseTime);
    f.tree.failFolder("M:\\top\\Locked\\");
    f.tree.addFile("M:\\bottom\\same.txt", 1, kBaseTime);
    f.tree.addFile("M:\\bottom\\locked\\a.mp3", 1, kBaseTime);
    f.tree.addFile("M:\\bottom\\locked\\deeper\\b.mp3", 1, kBaseTime);
    f.tree.addFile("M:\\bottom\\extra.txt", 1, kBaseTime);
    ASSERT_TRUE(f.scan());
    EXPECT_EQ(f.plan(kDuplicate, kTopToBottom), (Lines{"3 extra.txt"}));
    // The other way round nothing is copied into the folder whose files are unknown.
    EXPECT_EQ(f.plan(kDuplicate, kBottomToTop), (Lines{"1 extra.txt"}));
    EXPECT_EQ(f.plan(kCopy, kBottomToTop), (Lines{"1 extra.txt"}));
}

TEST(UnreadableSource, SystemFolderThatIsNotEnteredKeepsItsTwinOnTheOtherSide) {
    PlanFixture f;
    f.tree.addFolder("M:\\top\\Custom", kAttributeSystem);
    f.tree.addFile("M:\\top\\Custom\\a.mp3", 1, kBaseTime);
    f.tree.addFile("M:\\bottom\\Custom\\a.mp3", 1, kBaseTime);
    f.tree.addFile("M:\\bottom\\Custom\\b.mp3", 1, kBaseTime);
    ASSERT_TRUE(f.scan());
    EXPECT_EQ(f.top.unreadFolders(), (Lines{"Custom\\"}));
    EXPECT_TRUE(f.plan(kDuplicate, kTopToBottom).empty());
}

// Names the system could only show with path characters (its conversion of characters the
// code page lacks) are not taken: "..\..\thesis.doc" would name a file outside the folders,
// and a folder "a\b" would lead the walk astray. Neither are names that are no UTF-8 or
// hold the replacement character: no call reaches them by that name. All are named.
TEST(UnreadableSource, NamesWithPathCharactersAreNotTaken) {
    PlanFixture f;
    f.tree.addFile("M:\\top\\keep.txt", 1, kBaseTime);
    f.tree.addItem("M:\\top\\", "a\\b", kAttributeDirectory);
    f.tree.addFile("M:\\top\\s\\in-s.txt", 1, kBaseTime);
    f.tree.addFile("M:\\bottom\\keep.txt", 1, kBaseTime);
    f.tree.addItem("M:\\bottom\\x\\", "..\\..\\thesis.doc", kAttributeArchive);
    f.tree.addItem("M:\\bottom\\x\\", "what?.txt", kAttributeArchive);
    f.tree.addItem("M:\\bottom\\x\\", "caf\xE9.txt", kAttributeArchive);
    f.tree.addItem("M:\\bottom\\x\\", u8"\uFFFD.txt", kAttributeArchive);
    f.tree.addItem("M:\\bottom\\", "\xE6\x97", kAttributeDirectory);
    f.tree.addFile("M:\\bottom\\x\\fine.txt", 1, kBaseTime);
    ASSERT_TRUE(f.scan());
    EXPECT_EQ(f.plan(kDuplicate, kBottomToTop), (Lines{"3 in-s.txt", "1 fine.txt"}));
    EXPECT_EQ(f.top.folders().lastIndex(), 1);
    EXPECT_STREQ(f.top.folders().folderAt(1), "s\\");
    EXPECT_EQ(f.top.unreadFolders(), Lines{"a\\b\\"});
    EXPECT_EQ(f.bottom.unreadFolders(), (Lines{"x\\..\\..\\thesis.doc", "x\\what?.txt",
                                               "x\\caf\xE9.txt", u8"x\\\uFFFD.txt", "\xE6\x97\\"}));
}

TEST(UnreadableSourceAsUser, RealFolderWithoutPermissionsPlansNoDeletionBelowIt) {
    REQUIRE_UNPRIVILEGED();
    TempTree tree;
    tree.file("top\\same.txt", 1, kBaseTime);
    tree.file("top\\locked\\song.mp3", 1, kBaseTime);
    tree.file("bottom\\same.txt", 1, kBaseTime);
    tree.file("bottom\\locked\\song.mp3", 1, kBaseTime);
    tree.file("bottom\\locked\\sub\\other.mp3", 1, kBaseTime);
    tree.file("bottom\\extra.txt", 1, kBaseTime);
    tree.makeUnreadable("top\\locked");

    PlanFixture f(&systemDirectorySearch());
    ASSERT_TRUE(f.scan(tree.path("top\\"), tree.path("bottom\\")));
    EXPECT_EQ(f.top.unreadFolders(), (Lines{"locked\\"}));
    EXPECT_EQ(f.plan(kDuplicate, kTopToBottom), (Lines{"3 extra.txt"}));
}

}  // namespace
}  // namespace evenkeeper::test
