// Scans of real folders through the platform's directory search: depth, dot-folders,
// attributes, sizes beyond 32 bits, folder links, and a plan built from two real trees.
#include <gtest/gtest.h>

#include "support/PlanFixture.h"
#include "support/TempTree.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

Lines relativeNames(const FolderScanner& scanner) {
    Lines lines;
    for (int i = 0; i < scanner.table().count(); ++i) {
        const FileEntry& entry = scanner.table().at(i);
        lines.push_back(std::string(scanner.folders().folderAt(entry.folder)) + entry.name);
    }
    return lines;
}

struct RealTreeTest : ::testing::Test {
    TempTree tree;
    PlanFixture f{&systemDirectorySearch()};
    int scanTop(int levels) {
        f.top.reset();
        return f.top.scan(tree.path("top\\").c_str(), levels);
    }
};

TEST_F(RealTreeTest, DepthAndDotFolders) {
    tree.file("top\\b.txt", 2, kBaseTime);
    tree.file("top\\A.txt", 1, kBaseTime);
    tree.file("top\\.git\\config", 1, kBaseTime);
    tree.file("top\\_x\\under.txt", 3, kBaseTime);
    tree.file("top\\sub\\deeper\\deep.txt", 4, kBaseTime);
    std::string deep = "top";
    for (int level = 1; level <= 17; ++level) deep += "\\" + std::to_string(level % 10);
    tree.file(deep + "\\bottom.txt", 5, kBaseTime);

    ASSERT_EQ(scanTop(0), 0);
    EXPECT_EQ(relativeNames(f.top), (Lines{"A.txt", "b.txt"}));

    ASSERT_EQ(scanTop(16), 0);
    Lines names = relativeNames(f.top);
    ASSERT_EQ(names.size(), 4u);  // the file 17 levels down is out of reach
    EXPECT_EQ(names[0], "A.txt");
    EXPECT_EQ(names[1], "b.txt");
    // Names sort without regard to case, as upper case: "sub" before "_x".
    EXPECT_EQ(names[2], "sub\\deeper\\deep.txt");
    EXPECT_EQ(names[3], "_x\\under.txt");
    EXPECT_EQ(f.top.folders().lastIndex(), 19);  // root, 16 numbered levels, sub, deeper, _x
    EXPECT_EQ(f.top.totalBytes(), 10u);
    EXPECT_TRUE(f.top.unreadFolders().empty());
}

// A folder from a data file edited by hand ("D:\src", "E:"), and natively a root that ends
// in "/": the walk climbs out of the subfolders and the relative folders are the same.
TEST_F(RealTreeTest, RootsWithoutTheClosingBackslashAreWalkedWhole) {
    tree.file("top\\a.txt", 1, kBaseTime);
    tree.file("top\\sub\\deeper\\b.txt", 1, kBaseTime);
    tree.file("top\\sub\\c.txt", 1, kBaseTime);
    for (const std::string& root : {tree.path("top"), tree.path("top") + "/"}) {
        SCOPED_TRACE(root);
        f.top.reset();
        ASSERT_EQ(f.top.scan(root.c_str(), 16), 0);
        EXPECT_EQ(relativeNames(f.top), (Lines{"a.txt", "sub\\c.txt", "sub\\deeper\\b.txt"}));
        EXPECT_EQ(f.top.root(), root + "\\");
        EXPECT_TRUE(f.top.unreadFolders().empty());
    }
}

TEST_F(RealTreeTest, EmptyRoot) {
    tree.folder("top");
    ASSERT_EQ(scanTop(16), 0);
    EXPECT_EQ(f.top.table().count(), 0);
    EXPECT_EQ(f.top.folders().lastIndex(), 0);
    EXPECT_STREQ(f.top.folders().folderAt(0), "");
}

TEST_F(RealTreeTest, SparseFileOfFiveBillionBytes) {
    tree.file("top\\big.iso", 5000000000ULL, kBaseTime);
    ASSERT_EQ(scanTop(16), 0);
    ASSERT_EQ(f.top.table().count(), 1);
    EXPECT_EQ(f.top.table().at(0).size, 705032704u);
    EXPECT_EQ(f.top.table().at(0).lastWrite, kBaseTime);
}

#ifdef _WIN32
TEST_F(RealTreeTest, SystemFoldersAreSkippedHiddenOnesEnteredAndAllFilesRecorded) {
    tree.file("top\\sys\\in-system.txt", 1, kBaseTime);
    tree.file("top\\hid\\in-hidden.txt", 1, kBaseTime);
    tree.file("top\\flags.txt", 1, kBaseTime);
    tree.setAttributes("top\\sys", 0x10 | 0x04);
    tree.setAttributes("top\\hid", 0x10 | 0x02);
    tree.setAttributes("top\\flags.txt", 0x01 | 0x02 | 0x04);
    ASSERT_EQ(scanTop(16), 0);
    EXPECT_EQ(relativeNames(f.top), (Lines{"flags.txt", "hid\\in-hidden.txt"}));
    tree.setAttributes("top\\flags.txt", 0x80);
}
#endif

// A folder link back up the tree would repeat it at every level.
TEST_F(RealTreeTest, FolderLinksBackUpTheTreeAreNotWalked) {
    tree.file("top\\a.txt", 1, kBaseTime);
    tree.file("top\\sub\\b.txt", 2, kBaseTime);
    tree.link("top\\self", ".");
    tree.link("top\\sub\\up", "..");
    ASSERT_EQ(scanTop(16), 0);
    EXPECT_EQ(f.top.table().count(), 2);
    EXPECT_EQ(f.top.folders().lastIndex(), 1);  // the root and sub\ only
    EXPECT_EQ(f.top.unreadFolders(), (Lines{"self\\", "sub\\up\\"}));
}

TEST_F(RealTreeTest, PlanOfTwoRealTrees) {
    tree.file("top\\new.txt", 10, kBaseTime + 3 * kSecond);
    tree.file("top\\same.txt", 20, kBaseTime + 2 * kSecond);
    tree.file("top\\Album\\track.mp3", 30, kBaseTime);
    tree.file("bottom\\NEW.TXT", 1, kBaseTime);
    tree.file("bottom\\same.txt", 2, kBaseTime);
    tree.file("bottom\\album\\old.mp3", 4, kBaseTime);
    ASSERT_TRUE(f.scan(tree.path("top\\"), tree.path("bottom\\")));
    EXPECT_EQ(f.plan(kDuplicate, kTopToBottom), (Lines{"3 old.mp3", "0 new.txt", "0 track.mp3"}));
    EXPECT_EQ(f.session.topPlanBytes, 40u);
    EXPECT_EQ(f.session.bottomPlanBytes, 4u);
}

}  // namespace
}  // namespace evenkeeper::test
