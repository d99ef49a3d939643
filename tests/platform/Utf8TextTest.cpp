// Cutting UTF-8 text to a size in bytes keeps whole characters, and what counts as UTF-8
// (the test that tells a settings line of an older version from one of this one).
#include <gtest/gtest.h>

#include <cstring>

#include "platform/Utf8Text.h"

namespace evenkeeper {
namespace {

TEST(Utf8Text, CutsBetweenCharacters) {
    const struct {
        const char* text;
        std::size_t room, fit;
    } cases[] = {
        {"abc", 5, 3},       {"abc", 2, 2},         {u8"日", 2, 0},     {u8"a日", 3, 1},
        {u8"a日b", 4, 4},    {u8"😀", 3, 0},        {u8"é😀", 5, 2},    {u8"éé", 3, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8FitLength(c.text, std::strlen(c.text), c.room), c.fit)
            << "'" << c.text << "' in " << c.room;
}

TEST(Utf8Text, TellsUtf8FromTheLegacyCodePage) {
    EXPECT_TRUE(isUtf8(u8"Björk 日本 😀", std::strlen(u8"Björk 日本 😀")));
    EXPECT_FALSE(isUtf8("Bj\xF6rk", 5));           // Windows-1252
    EXPECT_FALSE(isUtf8("\xC3\xA9\xC3", 3));       // a character cut off
    EXPECT_FALSE(isUtf8("\xC0\xAF", 2));           // an overlong "/"
    EXPECT_FALSE(isUtf8("\xED\xA0\x80", 3));       // a surrogate
    EXPECT_FALSE(isUtf8("\xF4\x90\x80\x80", 4));   // past U+10FFFF
}

}  // namespace
}  // namespace evenkeeper
