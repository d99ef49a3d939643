// Keeps Wine's desktop up while the framework's GUI tests run one process after another:
// otherwise each test process starts the desktop anew and the test runner waits for it to
// end. "DesktopHolder READY_FILE" holds it, writing READY_FILE once it does, until
// "DesktopHolder stop" runs.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, "EvenkeeperTestDesktopHolder");
    if (argc > 1 && std::strcmp(argv[1], "stop") == 0) return SetEvent(stop) ? 0 : 1;
    // Any window brings the desktop up.
    HWND window = CreateWindowExA(0, "STATIC", "Desktop holder", WS_POPUP, 0, 0, 1, 1, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (argc > 1) {
        FILE* ready = std::fopen(argv[1], "w");
        if (!ready || std::fclose(ready) != 0) return 1;
    }
    while (MsgWaitForMultipleObjects(1, &stop, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    DestroyWindow(window);
    return 0;
}
