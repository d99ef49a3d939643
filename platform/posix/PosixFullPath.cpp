#include <climits>
#include <cstdlib>

#include "platform/FullPath.h"
#include "platform/posix/Cp1252.h"

namespace evenkeeper {

std::string fullFolderPath(const char* path) {
    char resolved[PATH_MAX];
    if (!realpath(posixPath(path).c_str(), resolved)) return path;
    std::string result = resolved;
    for (char& c : result)
        if (c == '/') c = '\\';
    if (result.back() != '\\') result += '\\';
    return result;
}

}  // namespace evenkeeper
