#include <windows.h>
#include <shellapi.h>

#include "platform/Shell.h"

namespace evenkeeper {

void openWithShell(WindowHandle owner, const char* path) {
    ShellExecuteA(static_cast<HWND>(owner), "open", path, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace evenkeeper
