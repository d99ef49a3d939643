#pragma once
// Where the user's own program data lives.
#include <string>

#include "platform/WindowHandle.h"

namespace evenkeeper {

class UserFolders {
public:
    virtual ~UserFolders() = default;
    // The user's roaming application data folder with "\" between its components (on Win32
    // the shell's CSIDL_APPDATA; on POSIX $XDG_CONFIG_HOME or ~/.config); false when the
    // platform cannot name it. owner is the window that any question of the shell belongs to.
    virtual bool applicationDataFolder(WindowHandle owner, std::string& folder) = 0;
};

UserFolders& systemUserFolders();

}  // namespace evenkeeper
