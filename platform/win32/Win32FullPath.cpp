#include <windows.h>

#include "platform/FullPath.h"

namespace evenkeeper {

std::string fullFolderPath(const char* path) {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) return path;
    char longForm[MAX_PATH];
    length = GetLongPathNameA(full, longForm, sizeof longForm);
    std::string result = length > 0 && length < sizeof longForm ? longForm : full;
    if (result.back() != '\\') result += '\\';
    return result;
}

}  // namespace evenkeeper
