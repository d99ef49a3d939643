#include <windows.h>

#include <stdexcept>

#include "support/win32/WineUnix.h"

namespace evenkeeper::test {
namespace {

void check(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error("Wine: " + what + " (error " + std::to_string(GetLastError()) + ")");
}

}  // namespace

// Wine maps a Windows path to the Unix path below it.
std::string unixPathOf(const std::string& path) {
    using UnixName = char* (CDECL*)(LPCWSTR);
    auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    check(unixName != nullptr, "not running under Wine: cannot change a folder's permissions");
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* unixPath = unixName(wide);
    check(unixPath != nullptr, "no Unix path for " + path);
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

// Runs a Unix shell command, for what Win32 cannot do under Wine: permissions (Wine keeps
// no access-control lists of its own) and symbolic links. Wine starts a Unix program
// without a process to wait for, so the command leaves a mark once it succeeded, and the
// test waits for the mark.
void unixCommand(const std::string& shellCommand) {
    static int marks = 0;
    char temp[MAX_PATH];
    check(GetTempPathA(MAX_PATH, temp) != 0, "no temporary folder");
    std::string mark = std::string(temp) + "evk-unix-" + std::to_string(GetCurrentProcessId()) +
                       "-" + std::to_string(marks++);
    std::string command = "/bin/sh -c \"" + shellCommand + " && : > '" + unixPathOf(mark) + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    check(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &process),
          "cannot run " + command);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int waited = 0; GetFileAttributesA(mark.c_str()) == INVALID_FILE_ATTRIBUTES; ++waited) {
        check(waited < 10000, "no end of " + command);
        Sleep(1);
    }
    DeleteFileA(mark.c_str());
}

DriveLetter::DriveLetter(const std::string& folder) {
    char prefix[MAX_PATH] = {};
    check(GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix) > 0, "no WINEPREFIX");
    std::string drives = std::string(prefix) + "/dosdevices/";
    for (char letter = 'm'; letter <= 'y' && letter_.empty(); ++letter) {
        std::string root = std::string(1, char(letter - 'a' + 'A')) + ":\\";
        if (GetDriveTypeA(root.c_str()) != DRIVE_NO_ROOT_DIR) continue;
        link_ = drives + letter + ":";
        unixCommand("ln -s '" + unixPathOf(folder) + "' '" + link_ + "'");
        letter_ = root;
    }
    check(!letter_.empty(), "no free drive letter");
}

DriveLetter::~DriveLetter() { unixCommand("rm '" + link_ + "'"); }

}  // namespace evenkeeper::test
