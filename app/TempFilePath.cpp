#include "app/TempFilePath.h"

#include "platform/DirectorySearch.h"

namespace evenkeeper {

std::string tempFilePath(FileSystem& files, const char* name) {
    char folder[kMaxPath];
    if (!files.tempFolder(folder, sizeof folder)) return std::string("\\") + name;
    return folder + std::string(name);
}

}  // namespace evenkeeper
