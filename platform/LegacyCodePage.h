#pragma once
// The code page the program's text was in before it became UTF-8: the system's ANSI code
// page (Windows-1252 on western systems), in which older versions wrote the settings files.
#include <cstddef>
#include <string>

namespace evenkeeper {

// Appends the UTF-8 form of length bytes of text in the legacy code page.
void appendFromLegacyCodePage(const char* text, std::size_t length, std::string& out);

}  // namespace evenkeeper
