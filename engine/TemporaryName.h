#pragma once
// The names of the program's own temporary files, made beside a file that is being
// replaced. A file of this form is the program's, never a user's: the scan does not list
// it, so it is never copied or deleted as a user's file, and a run that finds one left by a
// killed program removes it.
#include <string>

namespace evenkeeper {

// How many names a folder offers before it counts as one that takes no temporary file.
constexpr unsigned kTemporaryNames = 64;

// "~evk" and three hexadecimal digits of number, then ".tmp": 11 characters, which fit in
// any folder the narrow Win32 calls can make.
std::string temporaryName(unsigned number);
bool isTemporaryName(const char* name);

}  // namespace evenkeeper
