#include "platform/Utf8Text.h"

namespace evenkeeper {
namespace {

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::uint32_t decodeUtf8(const char* text, std::size_t length, std::size_t at, std::size_t& size) {
    size = 1;
    unsigned char lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return lead;
    std::size_t count;
    std::uint32_t character, smallest;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 2, character = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 3, character = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 4, character = lead & 0x07, smallest = 0x10000;
    } else {
        return kNotUtf8;
    }
    if (length - at < count) return kNotUtf8;
    for (std::size_t i = 1; i < count; ++i) {
        if (!isContinuation(text[at + i])) return kNotUtf8;
        character = character << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    }
    if (character < smallest || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF))
        return kNotUtf8;
    size = count;
    return character;
}

void appendUtf8(std::uint32_t character, std::string& out) {
    if (character < 0x80) {
        out += char(character);
    } else if (character < 0x800) {
        out += char(0xC0 | character >> 6);
        out += char(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        out += char(0xE0 | character >> 12);
        out += char(0x80 | (character >> 6 & 0x3F));
        out += char(0x80 | (character & 0x3F));
    } else {
        out += char(0xF0 | character >> 18);
        out += char(0x80 | (character >> 12 & 0x3F));
        out += char(0x80 | (character >> 6 & 0x3F));
        out += char(0x80 | (character & 0x3F));
    }
}

bool isUtf8(const char* text, std::size_t length) {
    for (std::size_t at = 0, size; at < length; at += size)
        if (decodeUtf8(text, length, at, size) == kNotUtf8) return false;
    return true;
}

std::size_t utf8BoundaryFrom(const char* text, std::size_t length, std::size_t at) {
    for (std::size_t ahead = 0; at < length && ahead < 3 && isContinuation(text[at]); ++ahead) ++at;
    return at;
}

std::size_t utf8FitLength(const char* text, std::size_t length, std::size_t room) {
    if (length <= room) return length;
    // Step back over continuation bytes to the start of the character the cut falls in; a
    // longer run is no character, and is cut where it stands.
    for (std::size_t back = 0; back < 4 && back <= room; ++back)
        if (!isContinuation(text[room - back])) return room - back;
    return room;
}

}  // namespace evenkeeper
