// The indexed lookup against the plain search of the other table: on random trees full of
// case variants, names equal only in case in one folder, the same names in other folders,
// accented names of the code page and times around the 2-second tolerance, every operation
// and direction gives the same rows, referring to the same entries, with either.
#include <gtest/gtest.h>

#include <random>

#include "support/LinearMatcher.h"
#include "support/PlanFixture.h"

namespace evenkeeper::test {
namespace {

const char* const kNames[] = {
    "song.mp3", "Song.mp3", "SONG.MP3", "\xC9t\xE9.txt", "\xE9t\xE9.txt", "ete.txt",
    "stra\xDF" "e", "strasse", "STRASSE", "\xC9", "E", "e", "co-op", "coop", "a.b.c", "x",
};
const char* const kFolders[] = {
    "", "Music\\", "music\\", "MUSIC\\Live\\", "music\\live\\", "\xC9t\xE9\\", "\xE9t\xE9\\",
    "stra\xDF" "e\\", "strasse\\",
};
const std::uint64_t kTimes[] = {kBaseTime, kBaseTime + 2 * kSecond, kBaseTime + 2 * kSecond + 1,
                                kBaseTime + kHour};

template <class T, std::size_t n>
const T& pick(std::mt19937& random, const T (&items)[n]) {
    return items[random() % n];
}

void addRandomFiles(std::mt19937& random, MemoryTree& tree, const std::string& root, int count) {
    for (int i = 0; i < count; ++i)
        tree.addFile(root + pick(random, kFolders) + pick(random, kNames), random() % 1000,
                     pick(random, kTimes));
}

std::vector<Row> planWith(PlanFixture& f, Operation operation, Direction direction, EntryMatcher* matcher) {
    f.plan(operation, direction, matcher);
    return f.rows.rows;
}

TEST(MatcherOracle, IndexedAndLinearLookupsGiveTheSamePlans) {
    std::mt19937 random(20261208);
    for (int tree = 0; tree < 40; ++tree) {
        PlanFixture f;
        addRandomFiles(random, f.tree, "M:\\top\\", 1 + int(random() % 60));
        addRandomFiles(random, f.tree, "M:\\bottom\\", 1 + int(random() % 60));
        ASSERT_TRUE(f.scan());
        LinearMatcher linear(f.compare);
        for (Operation operation : {kCopy, kMove, kDuplicate}) {
            for (Direction direction : {kTopToBottom, kBottomToTop, kBothWays}) {
                SCOPED_TRACE("tree " + std::to_string(tree) + " operation " +
                             std::to_string(operation) + " direction " + std::to_string(direction));
                std::vector<Row> expected = planWith(f, operation, direction, &linear);
                std::uint64_t top = f.session.topPlanBytes, bottom = f.session.bottomPlanBytes;
                std::vector<Row> got = planWith(f, operation, direction, nullptr);
                ASSERT_EQ(got.size(), expected.size());
                for (std::size_t i = 0; i < got.size(); ++i) {
                    EXPECT_EQ(got[i].entry, expected[i].entry) << "row " << i;
                    EXPECT_EQ(got[i].image, expected[i].image) << "row " << i;
                }
                EXPECT_EQ(f.session.topPlanBytes, top);
                EXPECT_EQ(f.session.bottomPlanBytes, bottom);
            }
        }
    }
}

}  // namespace
}  // namespace evenkeeper::test
