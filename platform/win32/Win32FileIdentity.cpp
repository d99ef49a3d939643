#include <windows.h>

#include <string>

#include "platform/FileIdentity.h"
#include "platform/win32/Win32Links.h"

namespace evenkeeper {
namespace {

using FinalPathName = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);

// Backup semantics open folders as well as files, and no access right is needed.
HANDLE openFolder(const char* path) {
    return CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool identityOf(HANDLE folder, FileIdentity& identity) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(folder, &info)) return false;
    identity = {info.dwVolumeSerialNumber,
                std::uint64_t(info.nFileIndexHigh) << 32 | info.nFileIndexLow};
    return true;
}

// The path the system reached the folder by, links and substituted drives followed
// ("\\?\D:\top\inner"); the path as given where the system cannot tell (before Vista).
std::string finalPath(HANDLE folder, const char* given) {
    static const auto query = reinterpret_cast<FinalPathName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleA")));
    char path[1024];
    if (!query) return given;
    DWORD length = query(folder, path, sizeof path, 0);
    return length > 0 && length < sizeof path ? path : given;
}

// The final path of an existing file or folder; empty when the system cannot tell.
std::string finalPathOf(const char* path) {
    HANDLE handle = openFolder(path);
    if (handle == INVALID_HANDLE_VALUE) return {};
    std::string final = finalPath(handle, "");
    CloseHandle(handle);
    return final;
}

// The folder above path ("D:\top\" for "D:\top\inner" or "D:\top\inner\"); empty at a root.
std::string parentOf(std::string path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    std::size_t cut = path.rfind('\\');
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

}  // namespace

// A path's own parents are not the folder's when a link or another drive letter leads to
// it, so the parents are taken from the path the system resolved.
std::vector<FileIdentity> folderLineage(const char* folder) {
    std::vector<FileIdentity> lineage;
    HANDLE handle = openFolder(folder);
    if (handle == INVALID_HANDLE_VALUE) return lineage;
    FileIdentity identity;
    std::string path = finalPath(handle, folder);
    bool known = identityOf(handle, identity);
    CloseHandle(handle);
    while (known) {
        if (!lineage.empty() && lineage.back() == identity) break;
        lineage.push_back(identity);
        path = parentOf(path);
        if (path.empty() || (handle = openFolder(path.c_str())) == INVALID_HANDLE_VALUE) break;
        known = identityOf(handle, identity);
        CloseHandle(handle);
    }
    return lineage;
}

// Where the path leads tells a link to a file: Wine does not mark one, and Windows follows
// it when it opens the file.
bool reachedThroughLink(const char* path) {
    std::string file = finalPathOf(path);
    if (file.empty()) return false;
    // Nearly always the file is where its path says, in folders reached through no link.
    if (lstrcmpiA(file.c_str(), (std::string("\\\\?\\") + path).c_str()) == 0) return false;
    std::string given = path;
    std::size_t cut = given.find_last_of("\\/");
    if (cut == std::string::npos) return false;
    std::string folder = finalPathOf(given.substr(0, cut + 1).c_str());
    if (folder.empty()) return false;
    if (folder.back() != '\\') folder += '\\';
    return lstrcmpiA(file.c_str(), (folder + given.substr(cut + 1)).c_str()) != 0;
}

// Windows marks a link with the reparse-point attribute.
bool isLink(const std::string& path, const FileState& state) {
    if (state.link) return true;
    return state.exists && reachedThroughLink(path.c_str());
}

}  // namespace evenkeeper
