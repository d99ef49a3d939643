#include "store/SettingsText.h"

namespace evenkeeper {

std::int32_t readSignedInt(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    std::uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10 + std::uint32_t(*text - '0');
    return std::int32_t(negative ? 0u - value : value);
}

}  // namespace evenkeeper
