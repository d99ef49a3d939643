#include "app/driver/ProgramProcess.h"

#include <tlhelp32.h>

#include <string>

#include "app/driver/Waiting.h"

namespace evenkeeper::driver {
namespace {

constexpr char kProgramFile[] = "evenkeeper.exe";

// A crash must end the program with its exception code, not with Wine's debugger and 0.
void keepDebuggerAway() {
    char overrides[512] = {};
    GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof overrides);
    std::string value = overrides;
    if (value.find("winedbg.exe") != std::string::npos) return;
    if (!value.empty()) value += ';';
    SetEnvironmentVariableA("WINEDLLOVERRIDES", (value + "winedbg.exe=d").c_str());
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND owner;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (processId != search.processId || !IsWindowVisible(window) ||
        lstrcmpA(className, search.className) != 0 ||
        (search.owner && GetWindow(window, GW_OWNER) != search.owner))
        return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

std::string besideDriver(const char* name) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

HWND findProgramWindow(DWORD processId, const char* className, HWND owner) {
    WindowSearch search = {processId, className, owner, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ProgramProcess::ProgramProcess() : ProgramProcess(besideDriver(kProgramFile)) {}

ProgramProcess::ProgramProcess(const std::string& path, unsigned limitMs) {
    keepDebuggerAway();
    std::string command = "\"" + path + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_))
        return;
    waitUntil([&] {
        mainWindow_ = findProgramWindow(process_.dwProcessId, "#32770");
        return mainWindow_ != nullptr || !running();
    }, limitMs);
}

ProgramProcess::~ProgramProcess() {
    if (!process_.hProcess) return;
    if (running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool ProgramProcess::running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD ProgramProcess::waitForExit(unsigned limitMs) const {
    DWORD code = STILL_ACTIVE;
    if (process_.hProcess && WaitForSingleObject(process_.hProcess, limitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void ProgramProcess::endLeftOvers() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, kProgramFile) != 0) continue;
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
}

}  // namespace evenkeeper::driver
