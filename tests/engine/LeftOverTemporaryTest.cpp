// A temporary file that a killed run left beside the file it was to replace is the
// program's, never a user's: the scan passes it over, so no plan copies or deletes it, and
// the next run into its folder removes it.
#include <gtest/gtest.h>

#include "support/Listing.h"
#include "support/RunFixture.h"

namespace evenkeeper::test {
namespace {

using Lines = std::vector<std::string>;

TEST(LeftOverTemporary, IsNotListedAndTheNextRunIntoItsFolderRemovesIt) {
    RunFixture r;
    r.tree.file("top\\a.txt", "new", kBaseTime + kHour);
    r.tree.file("top\\~EVK001.TMP", "half a copy", kBaseTime);
    r.tree.file("bottom\\a.txt", "old", kBaseTime);
    r.tree.file("bottom\\~evk000.tmp", "half a copy", kBaseTime);
    r.tree.setAttributes("bottom\\~evk000.tmp", kAttributeReadOnly);  // as its source was
    ASSERT_EQ(r.plan(kDuplicate, kTopToBottom), (Lines{"0 a.txt"}));
    r.run();
    EXPECT_EQ(r.log(), "");
    EXPECT_EQ(r.tree.read("bottom\\a.txt"), "new");
    EXPECT_EQ(listing(r.tree.path("bottom\\")), (Lines{"a.txt"}));
    EXPECT_EQ(listing(r.tree.path("top\\")), (Lines{"a.txt", "~EVK001.TMP"}));
}

}  // namespace
}  // namespace evenkeeper::test
