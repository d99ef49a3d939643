#pragma once
// What the settings reader and writer share: the line lengths every user of them passes,
// and the reading of a signed decimal number.
#include <cstdint>

namespace evenkeeper {

// Room for a section name and for a line: a written section name has at most
// kSettingsNameLength - 3 characters, a written key line at most kSettingsLineLength - 2
// characters of key and value together.
constexpr int kSettingsNameLength = 40;
constexpr int kSettingsLineLength = 300;

// The section that opens both settings files.
constexpr char kProgramSection[] = "Program Settings";

// Leading white space, one optional "+" or "-", then decimal digits up to the first
// non-digit; no digits give 0, and values beyond 32 bits wrap modulo 2^32.
std::int32_t readSignedInt(const char* text);

}  // namespace evenkeeper
