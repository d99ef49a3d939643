#include <cstdlib>

#include "platform/UserFolders.h"

namespace evenkeeper {
namespace {

std::string withoutFinalSlash(std::string path) {
    while (!path.empty() && path.back() == '/') path.pop_back();
    return path;
}

// The XDG configuration folder stands in for the application data folder.
class PosixUserFolders : public UserFolders {
public:
    bool applicationDataFolder(WindowHandle, std::string& folder) override {
        const char* configHome = std::getenv("XDG_CONFIG_HOME");
        const char* home = std::getenv("HOME");
        if (configHome && configHome[0] == '/') folder = withoutFinalSlash(configHome);
        else if (home && home[0] == '/') folder = withoutFinalSlash(home) + "/.config";
        else folder.clear();
        for (char& c : folder)
            if (c == '/') c = '\\';
        return !folder.empty();
    }
};

}  // namespace

UserFolders& systemUserFolders() {
    static PosixUserFolders folders;
    return folders;
}

}  // namespace evenkeeper
