#include <sys/stat.h>

#include <string>

#include "platform/FileIdentity.h"
#include "platform/posix/Cp1252.h"

namespace evenkeeper {

// ".." is the folder's real parent, also below a link; the root is its own parent.
std::vector<FileIdentity> folderLineage(const char* folder) {
    std::vector<FileIdentity> lineage;
    std::string path = posixPath(folder);
    if (path.empty() || path.back() != '/') path += '/';
    struct stat info;
    while (stat(path.c_str(), &info) == 0) {
        FileIdentity identity = {std::uint64_t(info.st_dev), std::uint64_t(info.st_ino)};
        if (!lineage.empty() && lineage.back() == identity) break;
        lineage.push_back(identity);
        path += "../";
    }
    return lineage;
}

// fileState's lstat has told: a link here is a symbolic link.
bool isLink(const std::string&, const FileState& state) { return state.link; }

}  // namespace evenkeeper
