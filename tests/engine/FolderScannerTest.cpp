// The walk of one side: what is entered, what is recorded in which order, and how a scan
// stops. Trees in memory carry the attributes and sizes a test disk cannot.
#include <gtest/gtest.h>

#include "support/PlanFixture.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

Lines names(const FolderScanner& scanner) {
    Lines lines;
    for (int i = 0; i < scanner.table().count(); ++i) {
        const FileEntry& entry = scanner.table().at(i);
        lines.push_back(std::string(scanner.folders().folderAt(entry.folder)) + entry.name);
    }
    return lines;
}

Lines folders(const FolderScanner& scanner) {
    Lines lines;
    for (int i = 0; i <= scanner.folders().lastIndex(); ++i)
        lines.push_back(scanner.folders().folderAt(i));
    return lines;
}

struct ScanTest : ::testing::Test {
    PlanFixture f;
    void SetUp() override {
        f.tree.addFile("M:\\top\\a\\b\\deep.txt", 1, kBaseTime);
        f.tree.addFile("M:\\top\\a\\in-a.txt", 2, kBaseTime);
        f.tree.addFile("M:\\top\\root.txt", 3, kBaseTime);
        f.tree.addFile("M:\\top\\.git\\config", 4, kBaseTime);
        f.tree.addFile("M:\\top\\_x\\under.txt", 5, kBaseTime);
        f.tree.addFolder("M:\\top\\sys", kAttributeSystem);
        f.tree.addFile("M:\\top\\sys\\hidden-by-system.txt", 6, kBaseTime);
        f.tree.addFolder("M:\\top\\hid", kAttributeHidden);
        f.tree.addFile("M:\\top\\hid\\in-hidden.txt", 7, kBaseTime);
        f.tree.addFile("M:\\top\\flags.txt", 8, kBaseTime,
                       kAttributeHidden | kAttributeSystem | kAttributeReadOnly);
    }
    int scanTop(int levels) {
        f.top.reset();
        return f.top.scan("M:\\top\\", levels);
    }
};

TEST_F(ScanTest, SixteenLevelsWalksDepthFirstFilesBeforeSubfolders) {
    ASSERT_EQ(scanTop(16), 0);
    EXPECT_EQ(names(f.top), (Lines{"root.txt", "flags.txt", "a\\in-a.txt", "a\\b\\deep.txt",
                                   "_x\\under.txt", "hid\\in-hidden.txt"}));
    EXPECT_EQ(folders(f.top), (Lines{"", "a\\", "a\\b\\", "_x\\", "hid\\"}));
    EXPECT_EQ(f.top.totalBytes(), 3u + 8 + 2 + 1 + 5 + 7);
    EXPECT_EQ(f.top.rootLength(), 7);
    // Each folder left names its parent in the status bar; each entered folder pumps once.
    EXPECT_EQ(f.dialog.statusTexts,
              (Lines{"M:\\top\\a\\", "M:\\top\\", "M:\\top\\", "M:\\top\\"}));
    EXPECT_EQ(f.pump.calls, 5);
    EXPECT_EQ(f.tree.openSearches(), 0);
}

TEST_F(ScanTest, LevelZeroTakesTheRootFilesOnlyAndLeavesTheStatusBar) {
    ASSERT_EQ(scanTop(0), 0);
    EXPECT_EQ(names(f.top), (Lines{"root.txt", "flags.txt"}));
    EXPECT_EQ(folders(f.top), (Lines{""}));
    EXPECT_TRUE(f.dialog.statusTexts.empty());
}

TEST_F(ScanTest, LevelOneStopsBelowTheFirstSubfolders) {
    ASSERT_EQ(scanTop(1), 0);
    EXPECT_EQ(names(f.top), (Lines{"root.txt", "flags.txt", "a\\in-a.txt", "_x\\under.txt",
                                   "hid\\in-hidden.txt"}));
    EXPECT_EQ(f.tree.openSearches(), 0);
}

TEST_F(ScanTest, ARescanKeepsThePlanFieldsOfReusedEntries) {
    ASSERT_EQ(scanTop(0), 0);
    f.top.table().at(0).side = Side::bottom;
    f.top.table().at(0).toDelete = true;
    ASSERT_EQ(scanTop(0), 0);
    EXPECT_EQ(f.top.table().at(0).side, Side::bottom);
    EXPECT_TRUE(f.top.table().at(0).toDelete);
}

TEST_F(ScanTest, AQuitMessageStopsTheScanWhenAFolderIsEntered) {
    f.pump.quitAt = 2;
    EXPECT_NE(scanTop(16), 0);
    EXPECT_EQ(names(f.top), (Lines{"root.txt", "flags.txt"}));
    EXPECT_EQ(f.tree.openSearches(), 0);
}

TEST(Scan, FileOfFiveBillionBytesKeepsItsLow32Bits) {
    PlanFixture f;
    f.tree.addFile("M:\\top\\big.iso", 5000000000ULL, kBaseTime);
    f.top.reset();
    ASSERT_EQ(f.top.scan("M:\\top\\", 16), 0);
    EXPECT_EQ(f.top.table().at(0).size, 705032704u);
    EXPECT_EQ(f.top.totalBytes(), 705032704u);
}

TEST(Scan, EmptyRootGivesNoFilesAndTheRootFolder) {
    PlanFixture f;
    f.tree.addFolder("M:\\top\\");
    f.top.reset();
    ASSERT_EQ(f.top.scan("M:\\top\\", 16), 0);
    EXPECT_EQ(f.top.table().count(), 0);
    EXPECT_EQ(folders(f.top), (Lines{""}));
}

TEST(Scan, TableGrowsPast20000EntriesInWalkOrder) {
    PlanFixture f;
    const int files = 45000;
    for (int i = 0; i < files; ++i)
        f.tree.addFile("M:\\top\\d" + std::to_string(i / 1000) + "\\f" + std::to_string(i), 1,
                       kBaseTime);
    f.top.reset();
    ASSERT_EQ(f.top.scan("M:\\top\\", 16), 0);
    ASSERT_EQ(f.top.table().count(), files);
    EXPECT_EQ(f.top.table().capacity(), 60000);
    for (int i = 0; i < files; i += 997)
        EXPECT_EQ(f.top.table().at(i).name, "f" + std::to_string(i));
    EXPECT_TRUE(f.dialog.messages.empty());
}

TEST(Scan, FolderListGrowsPastItsFirstThousandSlots) {
    PlanFixture f;
    for (int i = 0; i < 1250; ++i) f.tree.addFile("M:\\top\\d" + std::to_string(i) + "\\f", 1, 0);
    f.top.reset();
    ASSERT_EQ(f.top.scan("M:\\top\\", 16), 0);
    EXPECT_EQ(f.top.folders().lastIndex(), 1250);
    EXPECT_EQ(f.top.folders().capacity(), 1400);
    EXPECT_STREQ(f.top.folders().folderAt(1250), "d1249\\");
    EXPECT_EQ(f.top.folders().findFolder("D1000\\"), 1001);
    EXPECT_EQ(f.top.folders().folderAt(1400), nullptr);
}

// Refuses every block larger than the first 20000 entries of a table.
void* refuseGrowth(void* block, std::size_t bytes) {
    return bytes > FileTable::kGrowth * sizeof(FileEntry) ? nullptr : std::realloc(block, bytes);
}

TEST(Scan, FullTableStopsWithTooManyFiles) {
    PlanFixture f(nullptr, nullptr, refuseGrowth);
    for (int i = 0; i < 20005; ++i) f.tree.addFile("M:\\top\\f" + std::to_string(i), 1, 0);
    ASSERT_TRUE(f.top.reset());
    EXPECT_NE(f.top.scan("M:\\top\\", 16), 0);
    EXPECT_EQ(f.top.table().count(), 20000);
    EXPECT_EQ(f.dialog.messages, (Lines{"Evenkeeper: Too many files"}));
    EXPECT_EQ(f.tree.openSearches(), 0);
}

TEST(Scan, FolderListThatCannotGrowStopsTheScanWithoutAMessage) {
    PlanFixture f(nullptr, nullptr, [](void* block, std::size_t bytes) -> void* {
        const std::size_t grown = (FolderList::kFirstSlots + FolderList::kGrowth) * FolderList::kSlotSize;
        return bytes == grown ? nullptr : std::realloc(block, bytes);
    });
    for (int i = 0; i < 1005; ++i) f.tree.addFile("M:\\top\\d" + std::to_string(i) + "\\f", 1, 0);
    f.top.reset();
    EXPECT_NE(f.top.scan("M:\\top\\", 16), 0);
    EXPECT_EQ(f.top.folders().lastIndex(), 999);
    EXPECT_EQ(f.top.table().count(), 999);
    EXPECT_TRUE(f.dialog.messages.empty());
    EXPECT_EQ(f.tree.openSearches(), 0);
}

TEST(Scan, TableWithoutMemoryTakesNoEntries) {
    PlanFixture f(nullptr, nullptr, [](void*, std::size_t) -> void* { return nullptr; });
    f.tree.addFile("M:\\top\\f", 1, 0);
    EXPECT_EQ(f.top.reset(), 0);
    EXPECT_NE(f.top.scan("M:\\top\\", 16), 0);
    EXPECT_EQ(f.top.table().count(), 0);
}

TEST(Scan, UnreadableFoldersAreRemembered) {
    PlanFixture f;
    f.tree.addFile("M:\\top\\ok\\a", 1, 0);
    f.tree.addFile("M:\\top\\locked\\inner\\b", 1, 0);
    f.tree.failFolder("M:\\top\\locked\\");
    f.top.reset();
    ASSERT_EQ(f.top.scan("M:\\top\\", 16), 0);
    EXPECT_EQ(names(f.top), (Lines{"ok\\a"}));
    EXPECT_EQ(f.top.unreadFolders(), (Lines{"locked\\"}));
    EXPECT_TRUE(f.top.isBelowUnread("LOCKED\\"));
    EXPECT_TRUE(f.top.isBelowUnread("locked\\inner\\"));
    EXPECT_FALSE(f.top.isBelowUnread("ok\\"));
    EXPECT_FALSE(f.top.isBelowUnread("lockedx\\"));
    EXPECT_FALSE(f.top.isBelowUnread(""));
}

TEST(Scan, UnreadableRootCoversEverything) {
    PlanFixture f;
    f.top.reset();
    ASSERT_EQ(f.top.scan("M:\\missing\\", 16), 0);
    EXPECT_EQ(f.top.table().count(), 0);
    EXPECT_TRUE(f.top.isBelowUnread(""));
    EXPECT_TRUE(f.top.isBelowUnread("any\\where\\"));
}

TEST(Scan, SubfolderBeyondThePathLimitIsSkippedAndRemembered) {
    PlanFixture f;
    std::string longName(253, 'n');  // 7 + 253 + 1 characters: one too many
    f.tree.addFile("M:\\top\\" + longName + "\\f", 1, 0);
    f.tree.addFile("M:\\top\\short\\g", 1, 0);
    f.top.reset();
    ASSERT_EQ(f.top.scan("M:\\top\\", 16), 0);
    EXPECT_EQ(names(f.top), (Lines{"short\\g"}));
    EXPECT_EQ(f.top.unreadFolders(), (Lines{longName + "\\"}));
}

// A folder is read with one search, which gives its files and its subfolders alike; a file
// and a subfolder whose names differ only in case are each taken for what they are.
TEST(Scan, OneSearchAFolderTellsAFileFromASubfolderNamedAlike) {
    PlanFixture f;
    f.tree.addFile("M:\\top\\Song", 1, kBaseTime);
    f.tree.addFile("M:\\top\\song\\Song", 2, kBaseTime);
    f.tree.addFile("M:\\top\\z.txt", 3, kBaseTime);
    f.top.reset();
    ASSERT_EQ(f.top.scan("M:\\top\\", 16), 0);
    EXPECT_EQ(names(f.top), (Lines{"Song", "z.txt", "song\\Song"}));
    EXPECT_EQ(folders(f.top), (Lines{"", "song\\"}));
    EXPECT_EQ(f.tree.searchesMade(), 2);
}

}  // namespace
}  // namespace evenkeeper::test
