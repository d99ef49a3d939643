#include "framework/FolderBrowser.h"

#include "framework/layout/FolderPath.h"

namespace evenkeeper {

FolderBrowser::FolderBrowser(HWND owner) {
    description_.hwndOwner = owner;
    description_.pszDisplayName = path_;
    description_.lpszTitle = title_;
    description_.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT | BIF_RETURNFSANCESTORS;
}

int FolderBrowser::Browse() {
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) return 0;
    int success = 0;
    if (LPITEMIDLIST item = SHBrowseForFolderA(&description_)) {
        success = SHGetPathFromIDListA(item, path_) ? 1 : 0;
        allocator->Free(item);
    }
    allocator->Release();
    if (success && !endWithBackslash(path_, sizeof path_)) success = 0;
    return success;
}

}  // namespace evenkeeper
