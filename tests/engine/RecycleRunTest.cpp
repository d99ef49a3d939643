// Deleted files going to the Recycle Bin: several to a call, and a file the bin refuses stays
// where it was, with its row and the reason in the log; it is never deleted instead.
#include <gtest/gtest.h>

#include <cstdio>

#include "support/RunFixture.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

std::string numbered(int i) {
    char name[32];
    std::snprintf(name, sizeof name, "only\\f%02d.txt", i);
    return name;
}

TEST(RecycleRun, FileTheBinRefusesStaysWithItsRowAndTheReasonLogged) {
    RunFixture r;
    r.tree.folder("top");
    r.tree.folder("bin");
    for (int i = 0; i < 40; ++i) r.tree.file("bottom\\" + numbered(i), numbered(i), kBaseTime);
    r.bin.folder = r.tree.path("bin\\");
    r.bin.refused = {r.tree.path("bottom\\" + numbered(5))};
    ASSERT_EQ(r.plan(kDuplicate, kTopToBottom).size(), 40u);
    r.run();

    EXPECT_EQ(r.f.rows.describe(), (Lines{"3 f05.txt"}));
    EXPECT_EQ(r.bin.calls, (std::vector<std::size_t>{32, 8}));
    EXPECT_EQ(r.tree.read("bottom\\" + numbered(5)), numbered(5));
    EXPECT_EQ(r.tree.read("bin\\f39.txt"), numbered(39));
    EXPECT_FALSE(r.tree.exists("bottom\\" + numbered(39)));
    EXPECT_EQ(r.log(), r.tree.path("bottom\\" + numbered(5)) +
                           "\r\n  Can't move it to the Recycle Bin: The bin refused it.\r\n");
    EXPECT_STREQ(r.f.operation.lastUsed, "12/08/26");
}

// The version a copy replaces goes to the bin before the copy takes its place; one the bin
// refuses stays as it was, and so does its row.
TEST(RecycleRun, ReplacedVersionGoesToTheBinFirst) {
    RunFixture r;
    r.tree.file("top\\a.txt", "new a", kBaseTime + kHour);
    r.tree.file("top\\b.txt", "new b", kBaseTime + kHour);
    r.tree.file("bottom\\a.txt", "old a", kBaseTime);
    r.tree.file("bottom\\b.txt", "old b", kBaseTime);
    r.tree.folder("bin");
    r.bin.folder = r.tree.path("bin\\");
    r.bin.refused = {r.tree.path("bottom\\b.txt")};
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 2u);
    r.run();

    EXPECT_EQ(r.f.rows.describe(), (Lines{"0 b.txt"}));
    EXPECT_EQ(r.tree.read("bottom\\a.txt"), "new a");
    EXPECT_EQ(r.tree.read("bin\\a.txt"), "old a");
    EXPECT_EQ(r.tree.read("bottom\\b.txt"), "old b");
    EXPECT_EQ(r.log(), r.tree.path("bottom\\b.txt") +
                           "\r\n  Can't move it to the Recycle Bin: The bin refused it.\r\n");
}

}  // namespace
}  // namespace evenkeeper::test
