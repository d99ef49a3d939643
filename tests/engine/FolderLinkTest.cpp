// Folder links (junctions and symbolic links) are passed over like folders that could not be
// read: a link in the destination would let a Duplicate delete outside the chosen folder.
#include <gtest/gtest.h>

#include "support/RunFixture.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

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

}  // namespace
}  // namespace evenkeeper::test
