#pragma once
// The program's text is UTF-8 (its manifest makes that the process's code page). Sizes stay
// in bytes; these helpers keep a cut text whole and count what the user sees as characters.
#include <cstddef>
#include <cstdint>
#include <string>

namespace evenkeeper {

constexpr std::uint32_t kNotUtf8 = 0xFFFFFFFF;

// The character at text[at] (at < length), and its length in bytes through size; kNotUtf8
// with size 1 for a byte that does not begin a well-formed sequence (overlong forms,
// surrogates and values past U+10FFFF included).
std::uint32_t decodeUtf8(const char* text, std::size_t length, std::size_t at, std::size_t& size);
void appendUtf8(std::uint32_t character, std::string& out);

bool isUtf8(const char* text, std::size_t length);
// The first character boundary at or after at (at most length).
std::size_t utf8BoundaryFrom(const char* text, std::size_t length, std::size_t at);
// The longest length of at most room bytes that does not end inside a character.
std::size_t utf8FitLength(const char* text, std::size_t length, std::size_t room);

}  // namespace evenkeeper
