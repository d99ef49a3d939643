// Cutting UTF-8 text to a size in bytes keeps whole characters.
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

}  // namespace
}  // namespace evenkeeper
