#pragma once
// Windows-1252 helpers for the POSIX backend: the legacy code page of its settings files,
// and the case of its letters, which the directory search sorts by.
#include <string>

namespace evenkeeper {

// The upper-case form of a Windows-1252 character: ASCII and the Latin letters of the code page.
unsigned char upperCp1252(unsigned char c);

// "\" separated path of the program to a "/" separated POSIX path.
std::string posixPath(const char* path);

}  // namespace evenkeeper
