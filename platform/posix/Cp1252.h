#pragma once
// Windows-1252 helpers for the POSIX backend, which takes file names as bytes of that code page.
#include <string>

namespace evenkeeper {

// The upper-case form of a Windows-1252 character: ASCII and the Latin letters of the code page.
unsigned char upperCp1252(unsigned char c);

// "\" separated path of the program to a "/" separated POSIX path.
std::string posixPath(const char* path);

}  // namespace evenkeeper
