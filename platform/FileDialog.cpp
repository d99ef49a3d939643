#include "platform/FileDialog.h"

#include <cstring>

namespace evenkeeper {

bool forceExtension(char* name, int size, const char* extension) {
    if (*extension == '.') ++extension;
    std::size_t end = std::strlen(name);
    for (std::size_t at = end; at > 0; --at) {
        char c = name[at - 1];
        if (c == '.') end = at - 1;
        if (c == '.' || c == '\\' || c == '/' || c == ':') break;
    }
    std::size_t extensionLength = std::strlen(extension);
    if (size <= 0 || end + 1 + extensionLength >= std::size_t(size)) return false;
    name[end] = '.';
    std::memcpy(name + end + 1, extension, extensionLength + 1);
    return true;
}

}  // namespace evenkeeper
