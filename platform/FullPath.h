#pragma once
#include <string>

namespace evenkeeper {

// The absolute, long form of an existing folder's path as the system resolves it (relative
// parts, "." and "..", short names), ending in "\"; the path itself when it cannot.
std::string fullFolderPath(const char* path);

}  // namespace evenkeeper
