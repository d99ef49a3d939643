#include "engine/NumberText.h"

#include <cstdio>
#include <cstring>

namespace evenkeeper {

void groupThousands(char* text) {
    char* digits = text;
    while (*digits && (*digits < '0' || *digits > '9')) ++digits;
    if (!*digits) return;
    char run[32];
    std::size_t length = 0;
    while (digits[length] >= '0' && digits[length] <= '9' && length < 20) {
        run[length] = digits[length];
        ++length;
    }
    char* out = digits;
    for (std::size_t i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0) *out++ = ',';
        *out++ = run[i];
    }
    *out = '\0';
}

std::string groupedNumber(std::uint64_t number) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(number));
    groupThousands(text);
    return text;
}

}  // namespace evenkeeper
