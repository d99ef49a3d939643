#include "platform/win32/Win32FileDialog.h"

namespace evenkeeper {

Win32FileDialog::Win32FileDialog(const char* filter, int filterIndex, const char* defaultExtension)
    : filter_(filter),
      filterIndex_(filterIndex),
      defaultExtension_(defaultExtension[0] == '.' ? defaultExtension + 1 : defaultExtension) {}

void Win32FileDialog::adjust(OPENFILENAMEA&) {}

bool Win32FileDialog::show(WindowHandle owner, char* name, int size, const char* initialFolder) {
    OPENFILENAMEA parameters = {};
    parameters.lStructSize = sizeof parameters;
    parameters.hwndOwner = static_cast<HWND>(owner);
    parameters.lpstrFilter = filter_;
    parameters.nFilterIndex = DWORD(filterIndex_);
    parameters.lpstrFile = name;
    parameters.nMaxFile = DWORD(size);
    parameters.lpstrInitialDir = initialFolder;
    parameters.lpstrTitle = "";
    parameters.Flags = OFN_HIDEREADONLY;
    parameters.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
    adjust(parameters);
    if (!GetOpenFileNameA(&parameters)) return false;
    return defaultExtension_.empty() || forceExtension(name, size, defaultExtension_.c_str());
}

}  // namespace evenkeeper
