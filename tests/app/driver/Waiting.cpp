#include "app/driver/Waiting.h"

#include <windows.h>

namespace evenkeeper::driver {

bool waitUntil(const std::function<bool()>& ready, unsigned limitMs) {
    const DWORD start = GetTickCount();
    while (!ready()) {
        if (GetTickCount() - start > limitMs) return false;
        Sleep(10);
    }
    return true;
}

}  // namespace evenkeeper::driver
