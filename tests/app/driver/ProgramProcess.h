#pragma once
// The real program, started beside the driver as a person starts it: no arguments, its own
// process. A program still running when the object goes is ended, so that the next test
// starts alone.
#include <windows.h>

#include <string>

#include "app/driver/Waiting.h"

namespace evenkeeper::driver {

class ProgramProcess {
public:
    ProgramProcess();
    // The program at `path` (another copy than the one beside the driver, such as an
    // installed one), waiting up to limitMs for its main dialog.
    explicit ProgramProcess(const std::string& path, unsigned limitMs = kPatienceMs);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // The main dialog once it is shown; null when it did not come up in time.
    HWND mainWindow() const { return mainWindow_; }
    bool running() const;
    // Waits for the process to end; its exit code, or STILL_ACTIVE when it did not end.
    DWORD waitForExit(unsigned limitMs = 5000) const;

    // Ends every copy of the program that an earlier run left behind.
    static void endLeftOvers();

private:
    PROCESS_INFORMATION process_ = {};
    HWND mainWindow_ = nullptr;
};

// A program built beside the driver: its full path.
std::string besideDriver(const char* name);

// The program's top-level window of a class, owned by `owner` (any owner when null).
HWND findProgramWindow(DWORD processId, const char* className, HWND owner = nullptr);

}  // namespace evenkeeper::driver
