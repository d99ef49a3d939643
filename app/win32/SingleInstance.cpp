#include "app/win32/SingleInstance.h"

#include <string>

#include "engine/MainDialogPort.h"

namespace evenkeeper {

SingleInstance::~SingleInstance() {
    if (mutex_) CloseHandle(mutex_);
}

bool SingleInstance::claim() {
    char user[256] = {};
    DWORD size = sizeof user;
    GetUserNameA(user, &size);
    // Per session and per user: another user's program keeps its own data file.
    std::string name = std::string("Local\\Evenkeeper.") + user;
    mutex_ = CreateMutexA(nullptr, FALSE, name.c_str());
    if (!mutex_ || GetLastError() != ERROR_ALREADY_EXISTS) return true;
    // The running program's main dialog; a box it shows over it comes to the front with it.
    if (HWND running = FindWindowA("#32770", kMessageCaption)) {
        if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
        SetForegroundWindow(GetLastActivePopup(running));
    }
    return false;
}

}  // namespace evenkeeper
