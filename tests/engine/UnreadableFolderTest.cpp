// A source folder the scan could not read must not make its destination twin look like a
// heap of files to delete: under Duplicate nothing in or below it may be planned for deletion.
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
    // The other way round the source is readable and its files are planned as usual.
    EXPECT_EQ(f.plan(kDuplicate, kBottomToTop), (Lines{"1 extra.txt", "1 a.mp3", "1 b.mp3"}));
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
