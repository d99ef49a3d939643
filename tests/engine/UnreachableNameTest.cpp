// Names that end in a dot or a blank exist on Unix file systems, but Windows drops that end
// from a path, so its calls would reach another file or none. The run leaves such a file
// alone and says why.
#include <gtest/gtest.h>

#include "support/Listing.h"
#include "support/RunFixture.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

#ifndef _WIN32  // Windows makes no such name
TEST(UnreachableName, IsLoggedWithWhatHappenedAndNotTouched) {
    RunFixture r;
    r.tree.file("top\\a.", "a dot", kBaseTime);
    r.tree.file("top\\b ", "a blank", kBaseTime);
    r.tree.file("top\\c. \\d.txt", "in a folder", kBaseTime);
    r.tree.file("bottom\\a", "another file", kBaseTime);
    ASSERT_EQ(r.plan(kCopy, kTopToBottom).size(), 3u);
    r.run();
    const char* record = "\r\n  The name ends in a dot or a blank, which Windows cannot reach - not touched\r\n";
    EXPECT_EQ(r.log(), r.tree.path("top\\a.") + record + r.tree.path("top\\b ") + record +
                           r.tree.path("top\\c. \\d.txt") + record);
    EXPECT_EQ(r.f.rows.rows.size(), 3u);
    EXPECT_EQ(listing(r.tree.path("bottom\\")), (Lines{"a", "c. "}));
    EXPECT_EQ(r.tree.read("bottom\\a"), "another file");
}
#endif

}  // namespace
}  // namespace evenkeeper::test
