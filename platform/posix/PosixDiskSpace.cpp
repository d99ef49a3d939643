#include <sys/statvfs.h>

#include "platform/DiskSpace.h"
#include "platform/posix/Cp1252.h"

namespace evenkeeper {

std::uint64_t freeSpace(const char* folder, std::uint64_t* total) {
    struct statvfs info;
    if (statvfs(posixPath(folder).c_str(), &info) != 0) return kUnknownSpace;
    if (total) *total = std::uint64_t(info.f_blocks) * info.f_frsize;
    return std::uint64_t(info.f_bavail) * info.f_frsize;
}

}  // namespace evenkeeper
