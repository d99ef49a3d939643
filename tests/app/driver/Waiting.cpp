#include "app/driver/Waiting.h"

#include <windows.h>

#include <string>

namespace evenkeeper::driver {

bool waitUntil(const std::function<bool()>& ready, unsigned limitMs) {
    const DWORD start = GetTickCount();
    while (!ready()) {
        if (GetTickCount() - start > limitMs) return false;
        Sleep(10);
    }
    return true;
}

namespace {

BOOL CALLBACK closeIfLogViewer(HWND window, LPARAM) {
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (std::string(title).find("EvenkeeperLog") != std::string::npos)
        PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

void closeLogViewer() {
    waitUntil([] { EnumWindows(closeIfLogViewer, 0); return false; }, 500);
}

}  // namespace evenkeeper::driver
