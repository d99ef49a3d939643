#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "support/TempTree.h"
#include "support/win32/WineUnix.h"

namespace evenkeeper::test {
namespace {

void check(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error("TempTree: " + what + " (error " +
                                      std::to_string(GetLastError()) + ")");
}

void makeParents(const std::string& path) {
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
}

FILETIME toFileTime(std::uint64_t time) {
    return {DWORD(time), DWORD(time >> 32)};
}

void removeAll(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string item = folder + name;
            // Wine's RemoveDirectoryA on a folder link removes the folder it leads to; the
            // links are gone before this runs.
            if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
            SetFileAttributesA(item.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeAll(item + "\\");
            else DeleteFileA(item.c_str());
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

void unixChmod(const std::string& path, const char* mode) {
    unixCommand(std::string("chmod ") + mode + " '" + unixPathOf(path) + "'");
}

}  // namespace

TempTree::TempTree() {
    static int counter = 0;
    char temp[MAX_PATH];
    check(GetTempPathA(MAX_PATH, temp) != 0, "no temporary folder");
    root_ = std::string(temp) + "evk-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(counter++) + "\\";
    check(CreateDirectoryA(root_.c_str(), nullptr) != 0, "cannot create " + root_);
}

TempTree::~TempTree() {
    for (const std::string& folder : locked_) unixChmod(folder, "755");
    for (const std::string& link : links_) unixCommand("rm '" + unixPathOf(link) + "'");
    removeAll(root_);
}

void TempTree::folder(const std::string& relative) { makeParents(path(relative + "\\")); }

void TempTree::file(const std::string& relative, std::uint64_t size, std::uint64_t lastWrite) {
    std::string target = path(relative);
    makeParents(target);
    HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    check(file != INVALID_HANDLE_VALUE, "cannot create " + target);
    LARGE_INTEGER end;
    end.QuadPart = LONGLONG(size);
    check(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file),
          "cannot size " + target);
    FILETIME time = toFileTime(lastWrite);
    check(SetFileTime(file, nullptr, &time, &time) != 0, "cannot set the time of " + target);
    CloseHandle(file);
}

void TempTree::file(const std::string& relative, const std::string& content,
                    std::uint64_t lastWrite) {
    std::string target = path(relative);
    makeParents(target);
    HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    check(file != INVALID_HANDLE_VALUE, "cannot create " + target);
    DWORD written = 0;
    check(WriteFile(file, content.data(), DWORD(content.size()), &written, nullptr) &&
              written == content.size(),
          "cannot write " + target);
    FILETIME time = toFileTime(lastWrite);
    check(SetFileTime(file, nullptr, &time, &time) != 0, "cannot set the time of " + target);
    CloseHandle(file);
}

bool TempTree::exists(const std::string& relative) const {
    return GetFileAttributesA(path(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TempTree::read(const std::string& relative) const {
    HANDLE file = CreateFileA(path(relative).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) content.append(buffer, got);
    CloseHandle(file);
    return content;
}

std::uint64_t TempTree::lastWrite(const std::string& relative) const {
    WIN32_FILE_ATTRIBUTE_DATA data;
    check(GetFileAttributesExA(path(relative).c_str(), GetFileExInfoStandard, &data) != 0,
          "cannot read the attributes of " + path(relative));
    return (std::uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

void TempTree::setAttributes(const std::string& relative, std::uint32_t attributes) {
    check(SetFileAttributesA(path(relative).c_str(), attributes) != 0,
          "cannot set the attributes of " + path(relative));
}

void TempTree::link(const std::string& relative, const std::string& target) {
    std::string link = path(relative);
    makeParents(link);
    bool absolute = target.size() > 1 && target[1] == ':';
    std::string unixTarget = absolute ? unixPathOf(target) : target;
    for (char& c : unixTarget)
        if (c == '\\') c = '/';
    unixCommand("ln -s '" + unixTarget + "' '" + unixPathOf(link) + "'");
    links_.push_back(link);
}

void TempTree::makeUnreadable(const std::string& relative) { lockFolder(relative, 0); }
void TempTree::forbidNewFiles(const std::string& relative) { lockFolder(relative, 0555); }

void TempTree::lockFolder(const std::string& relative, int mode) {
    char octal[8];
    std::snprintf(octal, sizeof octal, "%o", unsigned(mode));
    unixChmod(path(relative), octal);
    locked_.push_back(path(relative));
}

bool runningPrivileged() {
    char user[64] = {};
    GetEnvironmentVariableA("USERNAME", user, sizeof user);
    return lstrcmpiA(user, "root") == 0;
}

}  // namespace evenkeeper::test
