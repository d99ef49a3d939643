// Files going to the Recycle Bin; one the bin refuses is never deleted or replaced instead.
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

// A Duplicate that replaces two files and deletes forty: the deletions go to the bin in calls of
// up to 32, the replaced versions alone right before the copies take their places, and each
// file the bin refuses stays as it was, with its row and the reason in the log.
TEST(RecycleRun, FilesTheBinRefusesStayWithTheirRowsAndTheReasonLogged) {
    RunFixture r;
    for (const char* name : {"a.txt", "b.txt"}) {
        r.tree.file(std::string("top\\only\\") + name, std::string("new ") + name, kBaseTime + kHour);
        r.tree.file(std::string("bottom\\only\\") + name, std::string("old ") + name, kBaseTime);
    }
    for (int i = 0; i < 40; ++i) r.tree.file("bottom\\" + numbered(i), numbered(i), kBaseTime);
    r.tree.folder("bin");
    r.bin.folder = r.tree.path("bin\\");
    r.bin.refused = {r.tree.path("bottom\\" + numbered(5)), r.tree.path("bottom\\only\\b.txt")};
    ASSERT_EQ(r.plan(kDuplicate, kTopToBottom).size(), 42u);
    r.run();

    EXPECT_EQ(r.f.rows.describe(), (Lines{"3 f05.txt", "0 b.txt"}));
    EXPECT_EQ(r.bin.calls, (std::vector<std::size_t>{32, 1, 1, 8}));
    EXPECT_EQ(r.tree.read("bottom\\only\\a.txt"), "new a.txt");
    EXPECT_EQ(r.tree.read("bin\\a.txt"), "old a.txt");
    EXPECT_EQ(r.tree.read("bottom\\only\\b.txt"), "old b.txt");
    EXPECT_EQ(r.tree.read("bottom\\" + numbered(5)), numbered(5));
    EXPECT_EQ(r.tree.read("bin\\f39.txt"), numbered(39));
    EXPECT_FALSE(r.tree.exists("bottom\\" + numbered(39)));
    std::string refused = "\r\n  Can't move it to the Recycle Bin: The bin refused it.\r\n";
    EXPECT_EQ(r.log(), r.tree.path("bottom\\" + numbered(5)) + refused +
                           r.tree.path("bottom\\only\\b.txt") + refused);
    EXPECT_STREQ(r.f.operation.lastUsed, "12/08/26");
}

}  // namespace
}  // namespace evenkeeper::test
