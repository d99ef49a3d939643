#include "platform/posix/Cp1252.h"

#include <cstdint>

#include "platform/LegacyCodePage.h"
#include "platform/Utf8Text.h"

namespace evenkeeper {
namespace {

// 0x80 to 0x9F; the five bytes the code page leaves free stand for the C1 controls, as
// Windows converts them.
const std::uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

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

void appendFromLegacyCodePage(const char* text, std::size_t length, std::string& out) {
    for (std::size_t at = 0; at < length; ++at) {
        unsigned char c = static_cast<unsigned char>(text[at]);
        appendUtf8(c >= 0x80 && c < 0xA0 ? kHighControls[c - 0x80] : c, out);
    }
}

std::string posixPath(const char* path) {
    std::string converted(path);
    for (char& c : converted)
        if (c == '\\') c = '/';
    return converted;
}

}  // namespace evenkeeper
