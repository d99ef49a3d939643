// The indexed lookup against the plain search of the other table: on random trees full of
// case variants, names equal only in case in one folder, the same names in other folders,
// names in other scripts whose letters differ only in case (Ä and ä, Ω and ω, Cyrillic),
// names without case (Japanese, emoji) and times around the 2-second tolerance, every
// operation and direction gives the same rows, referring to the same entries, with either.
#include <gtest/gtest.h>

#include <random>

#include "support/LinearMatcher.h"
#include "support/PlanFixture.h"

namespace evenkeeper::test {
namespace {

const char* const kNames[] = {
    "song.mp3", "Song.mp3", "SONG.MP3", u8"Été.txt", u8"été.txt", "ete.txt", u8"straße",
    "strasse", "STRASSE", u8"É", "E", "e", "co-op", "coop", "a.b.c", "x", u8"Ä.txt", u8"ä.TXT",
    u8"Ωmega.txt", u8"ωMEGA.txt", u8"ΩΜΕΓΑ.TXT", u8"Жук.mp3", u8"жук.MP3", u8"日本.txt",
    u8"日本.TXT", u8"本日.txt", u8"😀.txt", u8"😁.txt",
};
const char* const kFolders[] = {
    "", "Music\\", "music\\", "MUSIC\\Live\\", "music\\live\\", u8"Été\\", u8"été\\",
    u8"straße\\", "strasse\\", u8"日本\\", u8"Ωδή\\Ä\\", u8"ωΔΉ\\ä\\", u8"😀\\",
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
