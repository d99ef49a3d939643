#include <windows.h>
#include <shlobj.h>

#include "platform/UserFolders.h"

namespace evenkeeper {
namespace {

class Win32UserFolders : public UserFolders {
public:
    bool applicationDataFolder(WindowHandle owner, std::string& folder) override {
        folder.clear();
        LPITEMIDLIST list = nullptr;
        if (SHGetSpecialFolderLocation(static_cast<HWND>(owner), CSIDL_APPDATA, &list) != S_OK)
            return false;
        char path[MAX_PATH] = {};
        bool named = SHGetPathFromIDListA(list, path) != FALSE;
        IMalloc* shellMemory = nullptr;
        if (SUCCEEDED(SHGetMalloc(&shellMemory))) {
            shellMemory->Free(list);
            shellMemory->Release();
        }
        if (named) folder = path;
        return named;
    }
};

}  // namespace

UserFolders& systemUserFolders() {
    static Win32UserFolders folders;
    return folders;
}

}  // namespace evenkeeper
