#include "platform/posix/Cp1252.h"

namespace evenkeeper {

unsigned char upperCp1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;  // à..þ without ÷
    switch (c) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        default: return c;
    }
}

std::string posixPath(const char* path) {
    std::string converted(path);
    for (char& c : converted)
        if (c == '\\') c = '/';
    return converted;
}

}  // namespace evenkeeper
