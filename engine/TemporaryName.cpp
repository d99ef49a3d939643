#include "engine/TemporaryName.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace evenkeeper {

std::string temporaryName(unsigned number) {
    char name[16];
    std::snprintf(name, sizeof name, "~evk%03X.tmp", number % 0x1000);
    return name;
}

// Any case of the letters: a Windows folder answers to them all.
bool isTemporaryName(const char* name) {
    if (std::strlen(name) != 11) return false;
    for (int i = 0; i < 11; ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        bool fits = i >= 4 && i < 7 ? std::isxdigit(c) != 0 : std::tolower(c) == "~evk???.tmp"[i];
        if (!fits) return false;
    }
    return true;
}

}  // namespace evenkeeper
