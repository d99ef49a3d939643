// A run leaves alone every file that changed between the Scan and the run: a destination
// edited, created or removed since, a file to delete that was edited since. Each such row
// stays and has a log record of its own; the run's own copies are never taken for changes.
#include <gtest/gtest.h>

#include "support/RunFixture.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

std::string changedRecord(const std::string& path) {
    return path + "\r\n  Changed since the scan - not touched\r\n";
}

TEST(ChangedSinceScan, DestinationEditedCreatedOrRemovedAfterTheScanIsNotTouched) {
    struct Case {
        const char* what;
        bool scanned;                // the scan saw bottom\b.txt
        const char* contentAtRun;    // nullptr: there is none when the run starts
        std::uint64_t timeAtRun;
    };
    const Case cases[] = {
        {"edited: other size and time", true, "edited by the user", kBaseTime + 2 * kHour},
        {"other time, same size", true, "old", kBaseTime + kSecond},
        {"other size, same time", true, "older", kBaseTime},
        {"removed", true, nullptr, 0},
        {"created where the scan saw nothing", false, "new work", kBaseTime + 2 * kHour},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunFixture r;
        r.tree.file("top\\a.txt", "alpha", kBaseTime + kHour);
        r.tree.file("top\\b.txt", "beta", kBaseTime + kHour);
        r.tree.file("top\\c.txt", "gamma", kBaseTime + kHour);
        r.tree.folder("bottom");
        if (c.scanned) r.tree.file("bottom\\b.txt", "old", kBaseTime);
        ASSERT_EQ(r.plan(kCopy, kTopToBottom), (Lines{"0 a.txt", "0 b.txt", "0 c.txt"}));

        std::string destination = r.tree.path("bottom\\b.txt");
        if (c.contentAtRun)
            r.tree.file("bottom\\b.txt", c.contentAtRun, c.timeAtRun);
        else
            ASSERT_TRUE(r.files.deleteFile(destination.c_str()));
        r.run();

        EXPECT_EQ(r.f.rows.describe(), (Lines{"0 b.txt"}));
        EXPECT_EQ(r.log(), changedRecord(destination));
        EXPECT_EQ(r.f.dialog.opened, (Lines{r.f.session.logFilePath}));
        if (c.contentAtRun) {
            EXPECT_EQ(r.tree.read("bottom\\b.txt"), c.contentAtRun);
            EXPECT_EQ(r.tree.lastWrite("bottom\\b.txt"), c.timeAtRun);
        } else {
            EXPECT_FALSE(r.tree.exists("bottom\\b.txt"));
        }
        EXPECT_EQ(r.tree.read("bottom\\a.txt"), "alpha");
        EXPECT_EQ(r.tree.read("bottom\\c.txt"), "gamma");
        // A row that stays is no failure of the run: the date is stamped as for any run
        // that went through all rows.
        EXPECT_STREQ(r.f.operation.lastUsed, "12/08/26");
    }
}

TEST(ChangedSinceScan, DuplicateDeletesOnlyFilesThatKeptTheirTimeAndSize) {
    struct Case {
        const char* what;
        const char* contentAtRun;
        std::uint64_t timeAtRun;
        bool deleted;
    };
    const Case cases[] = {
        {"unchanged", "extra", kBaseTime, true},
        {"edited", "extra, edited", kBaseTime + kHour, false},
        {"touched only", "extra", kBaseTime + kSecond, false},
        {"rewritten to another size at the same time", "extra!", kBaseTime, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunFixture r;
        r.tree.file("top\\keep.txt", "k", kBaseTime);
        r.tree.file("bottom\\keep.txt", "k", kBaseTime);
        r.tree.file("bottom\\extra.txt", "extra", kBaseTime);
        r.tree.file("bottom\\other.txt", "other", kBaseTime);
        ASSERT_EQ(r.plan(kDuplicate, kTopToBottom), (Lines{"3 extra.txt", "3 other.txt"}));
        r.tree.file("bottom\\extra.txt", c.contentAtRun, c.timeAtRun);
        r.run();

        EXPECT_EQ(r.tree.exists("bottom\\extra.txt"), !c.deleted);
        EXPECT_FALSE(r.tree.exists("bottom\\other.txt"));
        EXPECT_EQ(r.f.rows.describe(), c.deleted ? Lines{} : Lines{"3 extra.txt"});
        EXPECT_EQ(r.log(), c.deleted ? "" : changedRecord(r.tree.path("bottom\\extra.txt")));
    }
}

TEST(ChangedSinceScan, BothWaysChecksEachDirectionAgainstItsOwnDestination) {
    RunFixture r;
    r.tree.file("top\\down.txt", "top's newer", kBaseTime + kHour);
    r.tree.file("bottom\\down.txt", "bottom's older", kBaseTime);
    r.tree.file("top\\up.txt", "top's older", kBaseTime);
    r.tree.file("bottom\\up.txt", "bottom's newer", kBaseTime + kHour);
    ASSERT_EQ(r.plan(kCopy, kBothWays), (Lines{"0 down.txt", "1 up.txt"}));
    r.tree.file("top\\up.txt", "edited on top", kBaseTime + 2 * kHour);
    r.run();
    EXPECT_EQ(r.tree.read("bottom\\down.txt"), "top's newer");
    EXPECT_EQ(r.tree.read("top\\up.txt"), "edited on top");
    EXPECT_EQ(r.f.rows.describe(), (Lines{"1 up.txt"}));
    EXPECT_EQ(r.log(), changedRecord(r.tree.path("top\\up.txt")));
}

TEST(ChangedSinceScan, MoveDeletesTheSourceItJustCopiedEvenWhenItChangedAfterTheScan) {
    RunFixture r;
    r.tree.file("top\\a.txt", "as scanned", kBaseTime);
    r.tree.folder("bottom");
    ASSERT_EQ(r.plan(kMove, kTopToBottom), (Lines{"0 a.txt"}));
    r.tree.file("top\\a.txt", "edited before the run", kBaseTime + kHour);
    r.run();
    EXPECT_EQ(r.tree.read("bottom\\a.txt"), "edited before the run");
    EXPECT_FALSE(r.tree.exists("top\\a.txt"));
    EXPECT_TRUE(r.f.rows.rows.empty());
    EXPECT_EQ(r.log(), "");
}

TEST(ChangedSinceScan, AFileTheRunWroteItselfIsNotTakenForAChange) {
    RunFixture r;
    r.tree.file("top\\a.txt", "alpha", kBaseTime);
    r.tree.folder("bottom");
    ASSERT_EQ(r.plan(kCopy, kTopToBottom), (Lines{"0 a.txt"}));
    // A second row onto the same destination, as a source folder listing one name twice
    // in two cases gives on a volume that tells case apart.
    r.f.rows.appendRow(*r.f.rows.rows[0].entry, kImageCopyDown);
    r.run();
    EXPECT_TRUE(r.f.rows.rows.empty());
    EXPECT_EQ(r.tree.read("bottom\\a.txt"), "alpha");
    EXPECT_EQ(r.log(), "");
}

}  // namespace
}  // namespace evenkeeper::test
