// The plan: which rows each operation and direction lists, in which order, with which
// images and totals, and what the finder tells the windows.
#include <gtest/gtest.h>

#include "support/PlanFixture.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

// top: both.txt (newer on top), top.txt; bottom: both.txt, bottom.txt (100 and 7 bytes).
struct FinderTest : ::testing::Test {
    PlanFixture f;
    void SetUp() override {
        f.tree.addFile("M:\\top\\both.txt", 10, kBaseTime + 3 * kSecond);
        f.tree.addFile("M:\\top\\top.txt", 20, kBaseTime);
        f.tree.addFile("M:\\bottom\\both.txt", 30, kBaseTime);
        f.tree.addFile("M:\\bottom\\bottom.txt", 7, kBaseTime);
        ASSERT_TRUE(f.scan());
        f.session.topPlanBytes = f.session.bottomPlanBytes = 999;
    }
};

TEST(CompareTimes, TwoSecondsCountAsEqual) {
    EXPECT_EQ(compareTimes(kBaseTime, kBaseTime), 0);
    EXPECT_EQ(compareTimes(kBaseTime + 2 * kSecond, kBaseTime), 0);
    EXPECT_EQ(compareTimes(kBaseTime, kBaseTime + 2 * kSecond), 0);
    EXPECT_EQ(compareTimes(kBaseTime + 2 * kSecond + 1, kBaseTime), 1);
    EXPECT_EQ(compareTimes(kBaseTime, kBaseTime + 2 * kSecond + 1), -1);
    EXPECT_EQ(compareTimes(0, ~0ULL), -1);
    EXPECT_EQ(compareTimes(~0ULL, 0), 1);
}

TEST_F(FinderTest, PassTableForEveryOperationAndDirection) {
    struct Case {
        Operation operation;
        Direction direction;
        Lines rows;
        std::uint64_t top, bottom;  // 999: left as it was
    } cases[] = {
        {kCopy, kTopToBottom, {"0 both.txt", "0 top.txt"}, 30, 999},
        {kMove, kTopToBottom, {"0 both.txt", "0 top.txt"}, 30, 999},
        {kDuplicate, kTopToBottom, {"3 bottom.txt", "0 both.txt", "0 top.txt"}, 30, 7},
        {kCopy, kBottomToTop, {"1 bottom.txt"}, 999, 7},
        {kMove, kBottomToTop, {"1 bottom.txt"}, 999, 7},
        {kDuplicate, kBottomToTop, {"3 top.txt", "1 both.txt", "1 bottom.txt"}, 20, 37},
        {kCopy, kBothWays, {"0 both.txt", "0 top.txt", "1 bottom.txt"}, 30, 7},
        {kMove, kBothWays, {"0 both.txt", "0 top.txt", "1 bottom.txt"}, 30, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("operation " + std::to_string(c.operation) + " direction " +
                     std::to_string(c.direction));
        f.session.topPlanBytes = f.session.bottomPlanBytes = 999;
        EXPECT_EQ(f.plan(c.operation, c.direction), c.rows);
        EXPECT_EQ(f.session.topPlanBytes, c.top);
        EXPECT_EQ(f.session.bottomPlanBytes, c.bottom);
        const FileEntry* topEntries = &f.top.table().at(0);
        for (const Row& row : f.rows.rows) {
            bool fromTop = row.entry >= topEntries && row.entry < topEntries + f.top.table().count();
            EXPECT_EQ(row.entry->side == Side::top, fromTop);
            EXPECT_EQ(row.entry->toDelete, row.image == kImageDelete);
        }
    }
}

TEST_F(FinderTest, TellsTheWindowsWhatItDoes) {
    f.plan(kDuplicate, kTopToBottom);
    EXPECT_EQ(f.progress.calls, (Lines{"colours 0 90ee90", "show Finding differences...", "close"}));
    EXPECT_EQ(f.dialog.statusTexts, (Lines{"Items found: 1", "Items found: 2"}));
    EXPECT_EQ(f.dialog.middleButton, (std::vector<bool>{true}));
    EXPECT_EQ(f.rows.clears, 1);
}

TEST_F(FinderTest, DoesNothingWithoutAValidScan) {
    f.session.scanValid = false;
    f.rows.rows.push_back({&f.top.table().at(0), 2});
    EXPECT_EQ(f.plan(kCopy, kTopToBottom), (Lines{"2 both.txt"}));
    EXPECT_TRUE(f.progress.calls.empty());
    EXPECT_TRUE(f.dialog.middleButton.empty());
    EXPECT_EQ(f.session.topPlanBytes, 999u);
}

TEST_F(FinderTest, UnknownDirectionListsNothingAndKeepsTheButtonOff) {
    EXPECT_TRUE(f.plan(kCopy, Direction(3)).empty());
    EXPECT_TRUE(f.dialog.middleButton.empty());
    EXPECT_EQ(f.progress.calls.back(), "close");
    EXPECT_EQ(f.session.topPlanBytes, 999u);
}

TEST_F(FinderTest, DuplicateBothWaysFromADataFileDeletesNothing) {
    EXPECT_EQ(f.plan(kDuplicate, kBothWays), (Lines{"0 both.txt", "0 top.txt", "1 bottom.txt"}));
}

TEST_F(FinderTest, SideViewListsOneTableAndTouchesNothingElse) {
    FileEntry& first = f.bottom.table().at(0);
    first.side = Side::top;
    first.toDelete = true;
    DifferenceFinder finder(f.context(), f.compare);
    finder.showSide(f.bottom);
    EXPECT_EQ(f.rows.describe(), (Lines{"2 both.txt", "2 bottom.txt"}));
    EXPECT_EQ(first.side, Side::top);
    EXPECT_TRUE(first.toDelete);
    EXPECT_TRUE(f.dialog.statusTexts.empty());
    EXPECT_TRUE(f.progress.calls.empty());
    EXPECT_EQ(f.pump.calls, 2);  // one per folder the two scans entered
}

TEST(FinderEdges, TimesNamesAndFolders) {
    PlanFixture f;
    f.tree.addFile("M:\\top\\two.txt", 1, kBaseTime + 2 * kSecond);  // equal
    f.tree.addFile("M:\\bottom\\two.txt", 1, kBaseTime);
    f.tree.addFile("M:\\top\\older.txt", 1, kBaseTime);  // bottom newer by an hour
    f.tree.addFile("M:\\bottom\\older.txt", 1, kBaseTime + kHour);
    f.tree.addFile("M:\\top\\Song.mp3", 1, kBaseTime);  // case differs only
    f.tree.addFile("M:\\bottom\\song.MP3", 1, kBaseTime);
    f.tree.addFile("M:\\top\\a.txt", 1, kBaseTime);  // same name in another folder
    f.tree.addFile("M:\\bottom\\x\\a.txt", 1, kBaseTime);
    f.tree.addFile("M:\\top\\Sub\\size.txt", 1, kBaseTime);  // sizes are never compared
    f.tree.addFile("M:\\bottom\\sub\\size.txt", 500, kBaseTime);
    ASSERT_TRUE(f.scan());
    EXPECT_EQ(f.plan(kCopy, kTopToBottom), (Lines{"0 a.txt"}));
    EXPECT_EQ(f.plan(kDuplicate, kTopToBottom), (Lines{"3 a.txt", "0 older.txt", "0 a.txt"}));
}

TEST(FinderRhythm, PumpsAfterEvery52EntriesExamined) {
    PlanFixture f;
    for (int i = 0; i < 104 + 51; ++i)
        f.tree.addFile("M:\\top\\f" + std::to_string(i), 1, kBaseTime);
    f.tree.addFolder("M:\\bottom\\");
    ASSERT_TRUE(f.scan());
    int afterScan = f.pump.calls;
    f.plan(kCopy, kTopToBottom);
    EXPECT_EQ(f.pump.calls - afterScan, 2);
    EXPECT_EQ(f.rows.rows.size(), 155u);
}

}  // namespace
}  // namespace evenkeeper::test
