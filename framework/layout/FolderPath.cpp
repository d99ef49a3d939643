#include "framework/layout/FolderPath.h"

#include <cstring>

namespace evenkeeper {

bool endWithBackslash(char* path, std::size_t capacity) {
    const std::size_t length = std::strlen(path);
    if (length > 0 && path[length - 1] == '\\') return true;
    if (length + 2 > capacity) return false;
    path[length] = '\\';
    path[length + 1] = '\0';
    return true;
}

}  // namespace evenkeeper
