#include "app/driver/ProgramFiles.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>

namespace evenkeeper::driver {

std::string userFolder() {
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, folder);
    return std::string(folder) + "\\TamrelFreeware\\Evenkeeper\\";
}

std::string settingsFile() { return userFolder() + "GlobalSettings.ini"; }

std::string dataFile() { return userFolder() + "Evenkeeper.txt"; }

std::string tempFile(const char* name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder + std::string(name);
}

std::string logFile() { return tempFile("EvenkeeperLog.txt"); }

std::string helpFile() { return tempFile("EvenkeeperHelp.htm"); }

void clearUserFolder() {
    DeleteFileA(settingsFile().c_str());
    DeleteFileA(dataFile().c_str());
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string readFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

bool writeFile(const std::string& path, const std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr) &&
                       written == text.size();
    return CloseHandle(file) && whole;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::vector<std::string> firstRecord() {
    std::vector<std::string> lines = linesOf(readFile(dataFile()));
    auto header = std::find(lines.begin(), lines.end(), "[a]");
    if (lines.end() - header < 7) return {};
    return {header + 1, header + 7};
}

std::string today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", now.wMonth, now.wDay, now.wYear % 100);
    return text;
}

}  // namespace evenkeeper::driver
