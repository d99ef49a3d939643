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
    EXPECT_TRUE(compare.equalNoCase(u8"Été", u8"étÉ"));
    EXPECT_TRUE(compare.equalNoCase(u8"ŠŒŽŸ", u8"šœžÿ"));
    EXPECT_TRUE(compare.equalNoCase(u8"Ωmega.txt", u8"ωMEGA.TXT"));
    EXPECT_TRUE(compare.equalNoCase(u8"Ä.txt", u8"ä.txt"));
    EXPECT_TRUE(compare.equalNoCase(u8"日本\\Жук", u8"日本\\жук"));
    EXPECT_FALSE(compare.equalNoCase(u8"日本", u8"日日"));
    EXPECT_FALSE(compare.equalNoCase(u8"😀.txt", u8"😁.txt"));
    EXPECT_FALSE(compare.equalNoCase(u8"É", "E"));
    EXPECT_FALSE(compare.equalNoCase("a", "ab"));
    EXPECT_FALSE(compare.equalNoCase(u8"×", u8"÷"));  // no pair
    EXPECT_TRUE(compare.equalNoCase("", ""));
}

TEST(TextCompare, KeysAreEqualExactlyForTextsThatCompareEqual) {
    const TextCompare& compare = systemTextCompare();
    const char* const alphabet[] = {"a", "A", "s", "S", "e", "E", u8"ß", u8"é", u8"É", u8"æ",
                                    u8"Æ", u8"ÿ", u8"Ÿ", u8"Ω", u8"ω", u8"日", u8"😀", "-", "'",
                                    ".", "\\", "1", " "};
    std::mt19937 random(7);
    std::vector<std::string> texts = {u8"straße", "strasse", "STRASSE", "co-op", "coop"};
    while (texts.size() < 400) {
        std::string text;
        for (int length = 1 + int(random() % 6); length > 0; --length)
            text += alphabet[random() % (sizeof alphabet / sizeof *alphabet)];
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
