// The platform's case-insensitive comparison, and the key the indexes hash: two texts have
// the same key exactly when the comparison calls them equal.
#include <gtest/gtest.h>

#include <random>

#include "platform/TextCompare.h"

namespace evenkeeper {
namespace {

TEST(TextCompare, FoldsCaseOfAsciiAndAccentedLetters) {
    const TextCompare& compare = systemTextCompare();
    EXPECT_TRUE(compare.equalNoCase("Song.MP3", "song.mp3"));
    EXPECT_TRUE(compare.equalNoCase("\xC9t\xE9", "\xE9t\xC9"));      // Été, étÉ
    EXPECT_TRUE(compare.equalNoCase("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"));  // ŠŒŽŸ
    EXPECT_FALSE(compare.equalNoCase("\xC9", "E"));
    EXPECT_FALSE(compare.equalNoCase("a", "ab"));
    EXPECT_FALSE(compare.equalNoCase("\xD7", "\xF7"));  // × and ÷ are no pair
    EXPECT_TRUE(compare.equalNoCase("", ""));
}

TEST(TextCompare, KeysAreEqualExactlyForTextsThatCompareEqual) {
    const TextCompare& compare = systemTextCompare();
    const char alphabet[] = "aAsSeE\xDF\xE9\xC9\xE6\xC6\xFF\x9F-'.\\1 ";
    std::mt19937 random(7);
    std::vector<std::string> texts = {"stra\xDF" "e", "strasse", "STRASSE", "co-op", "coop"};
    while (texts.size() < 400) {
        std::string text;
        for (int length = 1 + int(random() % 6); length > 0; --length)
            text += alphabet[random() % (sizeof alphabet - 1)];
        texts.push_back(text);
    }
    std::vector<std::string> keys(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) compare.caseKey(texts[i].c_str(), keys[i]);
    int equalPairs = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            bool equal = compare.equalNoCase(texts[i].c_str(), texts[j].c_str());
            equalPairs += equal;
            ASSERT_EQ(equal, keys[i] == keys[j]) << "'" << texts[i] << "' and '" << texts[j] << "'";
        }
    }
    EXPECT_GT(equalPairs, 50);
}

}  // namespace
}  // namespace evenkeeper
