#include <windows.h>

#include <string>

#include "platform/FileIdentity.h"

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

// Windows marks a link with the reparse-point attribute; Wine does not for a link to a file,
// but the path it resolves the file to then lies outside the folder's own.
bool LinkProbe::isLink(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return true;
    std::size_t cut = path.find_last_of("\\/");
    if (cut == std::string::npos) return false;
    std::string folder = path.substr(0, cut + 1);
    // The rows of a run come folder by folder.
    if (folder != folder_) {
        folder_ = folder;
        folderFinal_ = finalPathOf(folder.c_str());
        if (!folderFinal_.empty() && folderFinal_.back() != '\\') folderFinal_ += '\\';
    }
    std::string file = finalPathOf(path.c_str());
    if (file.empty() || folderFinal_.empty()) return false;
    return lstrcmpiA(file.c_str(), (folderFinal_ + path.substr(cut + 1)).c_str()) != 0;
}

}  // namespace evenkeeper
