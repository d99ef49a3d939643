#pragma once
#include <cstddef>

namespace evenkeeper {

// Ends a chosen folder's path in exactly one "\" ("C:\" stays, "C:\Data" becomes
// "C:\Data\"). False, with the path unchanged, when the buffer of `capacity` bytes has no
// room for the backslash and its terminator.
bool endWithBackslash(char* path, std::size_t capacity);

}  // namespace evenkeeper
