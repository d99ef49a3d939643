// Folder links (junctions and symbolic links) are passed over like folders that could not be
// read: a link in the destination would let a Duplicate delete outside the chosen folder.
// Links to files are left alone the same way: no run copies one, deletes one, or writes or
// deletes the file one points to.
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
    r.tree.link("bottom\\Music", "..\\outside");

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

// Links to files outside both folders: a newer top file over a bottom link, a bottom link
// the top lacks, a top link the bottom lacks. The scan passes over the links the system
// marks; the run refuses those it does not (Wine lists a link to a file as the file).
TEST(FileLink, NoOperationActsOnOrThroughALinkToAFile) {
    for (Operation operation : {kCopy, kMove, kDuplicate}) {
        SCOPED_TRACE(operation);
        RunFixture r;
        r.tree.file("outside\\target.txt", "T", kBaseTime);
        r.tree.file("outside\\other.txt", "O", kBaseTime);
        r.tree.file("outside\\source.txt", "S", kBaseTime);
        r.tree.file("top\\a.txt", "new", kBaseTime + kHour);
        r.tree.link("bottom\\a.txt", "..\\outside\\target.txt");
        r.tree.link("bottom\\gone.txt", "..\\outside\\other.txt");
        r.tree.link("top\\moved.txt", "..\\outside\\source.txt");
        r.plan(operation, kTopToBottom);
        r.run();
        EXPECT_EQ(r.tree.read("outside\\target.txt"), "T");
        EXPECT_EQ(r.tree.read("outside\\other.txt"), "O");
        EXPECT_EQ(r.tree.read("outside\\source.txt"), "S");
        EXPECT_TRUE(r.tree.exists("bottom\\gone.txt"));
        EXPECT_TRUE(r.tree.exists("top\\moved.txt"));
        EXPECT_FALSE(r.tree.exists("bottom\\moved.txt"));
    }
}

// A file that became a link after the scan, with the scanned time and size, passes the
// check against the scan; the run still leaves it and the file it points to alone.
TEST(FileLink, ALinkMadeSinceTheScanIsLoggedAndNotWrittenThrough) {
    RunFixture r;
    r.tree.file("top\\a.txt", "new", kBaseTime + kHour);
    r.tree.file("bottom\\a.txt", "old", kBaseTime);
    r.tree.file("outside\\a.txt", "out", kBaseTime);
    ASSERT_EQ(r.plan(kCopy, kTopToBottom), (Lines{"0 a.txt"}));
    ASSERT_TRUE(systemFileSystem().deleteFile(r.tree.path("bottom\\a.txt").c_str()));
    r.tree.link("bottom\\a.txt", "..\\outside\\a.txt");
    r.run();
    EXPECT_EQ(r.tree.read("outside\\a.txt"), "out");
    EXPECT_EQ(r.f.rows.rows.size(), 1u);
    EXPECT_EQ(r.log(), r.tree.path("bottom\\a.txt") + "\r\n  A link to a file - not touched\r\n");
}

// The copy itself refuses a source that became a link after the scan; a Move then deletes
// neither the link nor what it points to.
TEST(FileLink, ASourceThatBecameALinkSinceTheScanIsNotCopied) {
    for (Operation operation : {kCopy, kMove}) {
        SCOPED_TRACE(operation);
        RunFixture r;
        r.tree.file("top\\a.txt", "new", kBaseTime + kHour);
        r.tree.file("outside\\a.txt", "out", kBaseTime);
        r.tree.folder("bottom");
        ASSERT_EQ(r.plan(operation, kTopToBottom), (Lines{"0 a.txt"}));
        ASSERT_TRUE(systemFileSystem().deleteFile(r.tree.path("top\\a.txt").c_str()));
        r.tree.link("top\\a.txt", "..\\outside\\a.txt");
        r.run();
        EXPECT_EQ(r.tree.read("top\\a.txt"), "out");
        EXPECT_EQ(r.tree.read("outside\\a.txt"), "out");
        EXPECT_FALSE(r.tree.exists("bottom\\a.txt"));
        EXPECT_EQ(r.f.rows.rows.size(), 1u);
        EXPECT_EQ(r.log(), r.tree.path("top\\a.txt") + "\r\n  A link to a file - not touched\r\n");
    }
}

#ifndef _WIN32
// A link made since the scan that leads nowhere takes its name as much as one that leads to
// a file. (Wine takes a Unix link that leads nowhere for a free name, so this is a POSIX
// case; on Windows such a link is a reparse point like any other.)
TEST(FileLink, ALinkThatLeadsNowhereIsNotReplaced) {
    RunFixture r;
    r.tree.file("top\\a.txt", "new", kBaseTime + kHour);
    r.tree.folder("bottom");
    ASSERT_EQ(r.plan(kCopy, kTopToBottom), (Lines{"0 a.txt"}));
    r.tree.link("bottom\\a.txt", "..\\outside\\gone.txt");
    r.run();
    EXPECT_NE(r.tree.read("bottom\\a.txt"), "new");
    EXPECT_FALSE(r.tree.exists("outside\\gone.txt"));
    EXPECT_EQ(r.f.rows.rows.size(), 1u);
    EXPECT_EQ(r.log(), r.tree.path("bottom\\a.txt") + "\r\n  A link to a file - not touched\r\n");
}
#endif

}  // namespace
}  // namespace evenkeeper::test
