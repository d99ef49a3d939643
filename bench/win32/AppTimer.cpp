// Times the real program as a user drives it: Scan until the plan is listed, then the middle
// button until the run is done, by clicks and by reading its windows from this process.
// The program's sync operation is prepared by bench/wine-app.sh. Prints both times.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>

#include "resources/ResourceIds.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK findMainWindow(HWND window, LPARAM context) {
    Search& search = *reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search.process && GetDlgItem(window, IDC_MIDDLE)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// Polls condition every 10 ms for up to ten minutes.
template <typename Condition>
bool waitFor(Condition condition) {
    auto deadline = Clock::now() + std::chrono::minutes(10);
    while (!condition()) {
        if (Clock::now() > deadline) return false;
        Sleep(10);
    }
    return true;
}

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: app_timer EVENKEEPER.EXE\n");
        return 2;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program = {};
    if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &program)) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    Search search = {program.dwProcessId, nullptr};
    waitFor([&] {
        EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    HWND dialog = search.found;
    // The dialog is found while it is being set up; it shows itself when it is ready.
    waitFor([&] { return IsWindowVisible(dialog) != FALSE; });
    WaitForInputIdle(program.hProcess, 10000);
    HWND list = GetDlgItem(dialog, IDC_RESULT_LIST);
    HWND middle = GetDlgItem(dialog, IDC_MIDDLE);
    auto rows = [&] { return int(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); };
    auto panelUp = [&] {
        HWND panel = FindWindowA("WKWND", nullptr);
        DWORD process = 0;
        GetWindowThreadProcessId(panel, &process);
        return panel && process == program.dwProcessId;
    };

    auto start = Clock::now();
    PostMessageA(GetDlgItem(dialog, IDC_SCAN), BM_CLICK, 0, 0);
    bool listed = waitFor([&] { return IsWindowEnabled(middle) && !panelUp(); });
    long long planned = millisecondsSince(start);
    int planRows = rows();

    start = Clock::now();
    PostMessageA(middle, BM_CLICK, 0, 0);
    bool ran = listed && waitFor([&] { return !IsWindowEnabled(middle); }) &&
               waitFor([&] { return rows() == 0 && !panelUp(); });
    long long running = millisecondsSince(start);

    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    WaitForSingleObject(program.hProcess, 60000);
    std::printf("%d rows; scan and plan %lld ms, run %lld ms%s\n", planRows, planned, running,
                listed && ran ? "" : " (timed out)");
    return listed && ran ? 0 : 1;
}
