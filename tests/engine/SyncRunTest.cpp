// Carrying out a plan on real folders: what is copied, moved, deleted and created, which
// rows stay, what the log says byte for byte, and when the last-used date is stamped.
#include <gtest/gtest.h>

#include <cstring>

#include "support/Listing.h"
#include "support/RunFixture.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

TEST(SyncRun, CopyCarriesFilesWithTheirTimesAndCreatesEveryScannedFolder) {
    RunFixture r;
    r.tree.file("top\\a.txt", "alpha", kBaseTime);
    r.tree.file("top\\Album\\b.mp3", "beta", kBaseTime + kHour);
    r.tree.folder("top\\x\\y");
    r.tree.folder("bottom");
    ASSERT_EQ(r.plan(kCopy, kTopToBottom), (Lines{"0 a.txt", "0 b.mp3"}));
    r.run();

    EXPECT_TRUE(r.f.rows.rows.empty());
    EXPECT_EQ(r.tree.read("bottom\\a.txt"), "alpha");
    EXPECT_EQ(r.tree.read("bottom\\Album\\b.mp3"), "beta");
    EXPECT_EQ(r.tree.lastWrite("bottom\\Album\\b.mp3"), kBaseTime + kHour);
    EXPECT_TRUE(r.tree.exists("bottom\\x\\y"));
    EXPECT_STREQ(r.f.operation.lastUsed, "12/08/26");
    EXPECT_TRUE(r.f.session.unsavedChanges);
    EXPECT_FALSE(r.f.session.scanValid);
    EXPECT_EQ(r.f.dialog.middleButton, (std::vector<bool>{true, false}));
    EXPECT_EQ(r.f.progress.calls,
              (Lines{"show Creating  folders...", "close", "show Copying files...", "close"}));
    EXPECT_TRUE(r.f.dialog.opened.empty());
    EXPECT_EQ(r.log(), "");
    // The copies carry their times, so the next plan has nothing left to do.
    EXPECT_TRUE(r.plan(kCopy, kTopToBottom).empty());
}

TEST(SyncRun, MoveLogsASourceThatCannotBeDeletedAndKeepsItsRow) {
    RunFixture r;
    r.tree.file("bottom\\gone.txt", "1", kBaseTime);
    r.tree.file("bottom\\stays.txt", "2", kBaseTime);
    r.tree.setAttributes("bottom\\stays.txt", kAttributeReadOnly);
    r.tree.folder("top");
    ASSERT_EQ(r.plan(kMove, kBottomToTop), (Lines{"1 gone.txt", "1 stays.txt"}));
    r.run();
    EXPECT_EQ(r.f.rows.describe(), (Lines{"1 stays.txt"}));
    EXPECT_FALSE(r.tree.exists("bottom\\gone.txt"));
    EXPECT_TRUE(r.tree.exists("bottom\\stays.txt"));
    EXPECT_EQ(r.tree.read("top\\stays.txt"), "2");
    EXPECT_EQ(r.f.progress.calls[2], "show Moving files...");
    std::string record = r.tree.path("bottom\\stays.txt") + "\r\n  Copied, but not deleted: ";
    EXPECT_EQ(r.log().substr(0, record.size()), record);
    EXPECT_GT(r.log().size(), record.size() + 2) << "the system's reason";
    r.tree.setAttributes("bottom\\stays.txt", kAttributeNormal);
    r.tree.setAttributes("top\\stays.txt", kAttributeNormal);
}

TEST(SyncRun, DuplicateDeletesAndRemovesOnlyTheDeletedFilesOwnFolderWhenEmpty) {
    RunFixture r;
    r.tree.file("top\\shared\\keep.txt", "k", kBaseTime);
    r.tree.file("bottom\\shared\\keep.txt", "k", kBaseTime);
    r.tree.file("bottom\\shared\\extra.txt", "e", kBaseTime);
    r.tree.file("bottom\\gone\\f.txt", "f", kBaseTime);
    r.tree.file("bottom\\only\\x\\y\\f.txt", "f", kBaseTime);
    ASSERT_EQ(r.plan(kDuplicate, kTopToBottom), (Lines{"3 f.txt", "3 f.txt", "3 extra.txt"}));
    r.run();
    EXPECT_TRUE(r.f.rows.rows.empty());
    EXPECT_FALSE(r.tree.exists("bottom\\gone"));
    EXPECT_TRUE(r.tree.exists("bottom\\shared\\keep.txt"));
    EXPECT_FALSE(r.tree.exists("bottom\\shared\\extra.txt"));
    EXPECT_FALSE(r.tree.exists("bottom\\only\\x\\y"));
    EXPECT_TRUE(r.tree.exists("bottom\\only\\x"));
    EXPECT_EQ(r.f.progress.calls[2], "show Duplicating folder...");
}

TEST(SyncRun, EmptyPlanStillCreatesFoldersAndStampsTheDate) {
    RunFixture r;
    r.tree.folder("top\\x\\y");
    r.tree.folder("bottom");
    ASSERT_TRUE(r.plan(kCopy, kTopToBottom).empty());
    r.run();
    EXPECT_TRUE(r.tree.exists("bottom\\x\\y"));
    EXPECT_STREQ(r.f.operation.lastUsed, "12/08/26");
    EXPECT_TRUE(r.f.session.unsavedChanges);
    EXPECT_TRUE(r.tree.exists("EvenkeeperLog.txt"));
    EXPECT_TRUE(r.f.dialog.opened.empty());
}

TEST(SyncRun, FailuresAreLoggedByteForByteAndTheirRowsStay) {
    RunFixture r;
    for (const char* name : {"denied.txt", "shared.txt", "broken.txt", "fine.txt"})
        r.tree.file(std::string("top\\") + name, name, kBaseTime);
    r.tree.folder("bottom");
    r.files.failCopy("denied.txt", CopyOutcome::accessDenied, 5);
    r.files.failCopy("shared.txt", CopyOutcome::sharingViolation, 32);
    r.files.failCopy("broken.txt", CopyOutcome::failed, 5);
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 4u);
    r.run();

    std::string top = r.tree.path("top\\"), bottom = r.tree.path("bottom\\");
    EXPECT_EQ(r.log(), top + "broken.txt\r\n" + bottom + "broken.txt\r\n" + r.files.errorText(5) +
                           "\r\n" + top + "denied.txt\r\n  Access denied\r\n" + top +
                           "shared.txt\r\n  Sharing violation\r\n");
    EXPECT_EQ(r.f.rows.describe(), (Lines{"0 broken.txt", "0 denied.txt", "0 shared.txt"}));
    EXPECT_EQ(r.files.copies(), 4);  // a refused copy is not retried; a refused rename is
    EXPECT_EQ(r.tree.read("bottom\\fine.txt"), "fine.txt");
    EXPECT_EQ(r.f.dialog.opened, (Lines{r.f.session.logFilePath}));
    EXPECT_STREQ(r.f.operation.lastUsed, "12/08/26");
}

TEST(SyncRun, AccessDeniedOnceResetsTheDestinationAndCopiesAgain) {
    RunFixture r;
    r.tree.file("top\\a.txt", "new", kBaseTime + kHour);
    r.tree.file("bottom\\a.txt", "old", kBaseTime);
    r.files.failRename("a.txt", CopyOutcome::accessDenied, 5, 1);
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 1u);
    r.run();
    EXPECT_EQ(r.tree.read("bottom\\a.txt"), "new");
    EXPECT_TRUE(r.f.rows.rows.empty());
    EXPECT_EQ(r.log(), "");
}

TEST(SyncRun, FullDiskStopsTheRunKeepsTheOldDestinationAndTheDate) {
    RunFixture r;
    r.tree.file("top\\1.txt", "first", kBaseTime);
    r.tree.file("top\\2.txt", "second file", kBaseTime);
    r.tree.file("top\\3.txt", "third", kBaseTime);
    r.tree.file("bottom\\2.txt", "older", kBaseTime - kHour);
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 3u);
    r.files.failAfterWriting(2);
    r.run();
    EXPECT_EQ(r.log(), "Disk full - sync operation aborted.\r\n");
    EXPECT_EQ(r.f.rows.describe(), (Lines{"0 2.txt", "0 3.txt"}));
    EXPECT_EQ(r.tree.read("bottom\\2.txt"), "older");
    EXPECT_EQ(r.tree.lastWrite("bottom\\2.txt"), kBaseTime - kHour);
    EXPECT_EQ(listing(r.tree.path("bottom\\")), (Lines{"1.txt", "2.txt"}));
    EXPECT_STREQ(r.f.operation.lastUsed, "not used");
    EXPECT_FALSE(r.f.session.unsavedChanges);
    EXPECT_EQ(r.f.progress.calls.back(), "close");
}

// Whatever fails, the copy went to a temporary file: the destination keeps its content and
// time, and the temporary file is gone.
TEST(SyncRun, FailedCopyLeavesEveryDestinationAsItWas) {
    RunFixture r;
    for (const char* name : {"untouched.txt", "written.txt", "open.txt", "denied.txt"}) {
        r.tree.file(std::string("top\\") + name, "new content", kBaseTime + kHour);
        r.tree.file(std::string("bottom\\") + name, "old", kBaseTime);
    }
    r.files.failCopy("untouched.txt", CopyOutcome::failed, 5);
    r.files.failRename("open.txt", CopyOutcome::sharingViolation, 32);
    r.files.failRename("denied.txt", CopyOutcome::accessDenied, 5);
    ASSERT_EQ(r.plan(kMove, kTopToBottom).size(), 4u);
    r.files.failAfterWriting(4, CopyOutcome::failed, 5);  // written.txt, the last in name order
    r.run();
    Lines names = listing(r.tree.path("bottom\\"));
    EXPECT_EQ(names, (Lines{"denied.txt", "open.txt", "untouched.txt", "written.txt"}));
    for (const std::string& name : names) {
        EXPECT_EQ(r.tree.read("bottom\\" + name), "old") << name;
        EXPECT_EQ(r.tree.lastWrite("bottom\\" + name), kBaseTime) << name;
        // A move whose copy failed keeps its source.
        EXPECT_TRUE(r.tree.exists("top\\" + name)) << name;
    }
    EXPECT_EQ(r.f.rows.rows.size(), 4u);
}

TEST(SyncRun, DuplicateBottomToTopDeletesOnTopAndMakesTheBottomFoldersThere) {
    RunFixture r;
    r.tree.file("top\\old\\gone.txt", "g", kBaseTime);
    r.tree.file("bottom\\new\\deeper\\n.txt", "n", kBaseTime);
    ASSERT_EQ(r.plan(kDuplicate, kBottomToTop), (Lines{"3 gone.txt", "1 n.txt"}));
    r.run();
    EXPECT_FALSE(r.tree.exists("top\\old"));
    EXPECT_EQ(r.tree.read("top\\new\\deeper\\n.txt"), "n");
    EXPECT_TRUE(r.f.rows.rows.empty());
}

TEST(SyncRun, BothWaysMakesEachSidesFoldersOnTheOther) {
    RunFixture r;
    r.tree.folder("top\\only-top\\x");
    r.tree.folder("bottom\\only-bottom");
    ASSERT_TRUE(r.plan(kCopy, kBothWays).empty());
    r.run();
    EXPECT_TRUE(r.tree.exists("bottom\\only-top\\x"));
    EXPECT_TRUE(r.tree.exists("top\\only-bottom"));
}

TEST(SyncRun, SecondRunLogsOnlyItsOwnRecords) {
    RunFixture r;
    r.tree.file("top\\a.txt", "a", kBaseTime);
    r.tree.file("top\\b.txt", "b", kBaseTime);
    r.files.failCopy("a.txt", CopyOutcome::sharingViolation, 32, 1);
    r.files.failCopy("b.txt", CopyOutcome::sharingViolation, 32, 1);
    r.tree.folder("bottom");
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 2u);
    r.run();
    ASSERT_EQ(r.f.rows.rows.size(), 2u);
    r.tree.file("top\\a.txt", "a", kBaseTime + kHour);  // newer: listed again
    r.files.failCopy("a.txt", CopyOutcome::sharingViolation, 32, 1);
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 2u);
    r.run();
    EXPECT_EQ(r.log(), r.tree.path("top\\a.txt") + "\r\n  Sharing violation\r\n");
}

TEST(SyncRun, LogThatCannotBeCreatedEndsTheRunBeforeAnything) {
    RunFixture r;
    r.tree.file("top\\a.txt", "a", kBaseTime);
    r.tree.folder("bottom");
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 1u);
    r.files.failCreateFile();
    r.run();
    EXPECT_EQ(r.f.dialog.messages, (Lines{r.f.session.logFilePath + ": Can't create log file"}));
    EXPECT_EQ(r.f.rows.rows.size(), 1u);
    EXPECT_FALSE(r.f.session.scanValid);
    EXPECT_EQ(r.f.dialog.middleButton.back(), false);
    EXPECT_FALSE(r.tree.exists("bottom\\a.txt"));
    EXPECT_STREQ(r.f.operation.lastUsed, "not used");
}

TEST(SyncRun, FolderThatCannotBeMadeEndsTheRunBeforeAnyCopy) {
    RunFixture r;
    r.tree.file("top\\a.txt", "a", kBaseTime);
    r.tree.file("top\\sub\\b.txt", "b", kBaseTime);
    r.tree.folder("bottom");
    ASSERT_EQ(r.plan(kCopy, kBothWays).size(), 2u);
    r.files.failCreateDirectory("sub");
    r.run();
    EXPECT_EQ(r.f.dialog.messages, (Lines{r.tree.path("bottom\\sub\\") + ": Can't create folder"}));
    EXPECT_EQ(r.f.progress.calls.back(), "close");
    EXPECT_FALSE(r.tree.exists("bottom\\a.txt"));
    EXPECT_EQ(r.f.rows.rows.size(), 2u);
}

TEST(SyncRun, PlanOfOtherFoldersIsNotCarriedOut) {
    RunFixture r;
    r.tree.file("top\\a.txt", "a", kBaseTime);
    r.tree.folder("bottom");
    r.tree.folder("elsewhere");
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 1u);
    std::strcpy(r.f.operation.bottomFolder, r.tree.path("elsewhere\\").c_str());
    r.run();
    EXPECT_EQ(r.f.dialog.messages,
              (Lines{"Evenkeeper: The folders were changed after the scan.\nScan again."}));
    EXPECT_FALSE(r.tree.exists("elsewhere\\a.txt"));
    EXPECT_FALSE(r.tree.exists("EvenkeeperLog.txt"));
}

}  // namespace
}  // namespace evenkeeper::test
