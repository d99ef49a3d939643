#pragma once
// Where the program keeps a file of its own in the temporary folder.
#include <string>

#include "platform/FileSystem.h"

namespace evenkeeper {

// The temporary folder followed by name; without a temporary folder, "\" followed by name
// (the root of the current drive).
std::string tempFilePath(FileSystem& files, const char* name);

}  // namespace evenkeeper
