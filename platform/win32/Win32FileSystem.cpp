#include <windows.h>

#include <string>

#include "platform/FileSystem.h"
#include "platform/win32/Win32Links.h"

namespace evenkeeper {
namespace {

// What a file is besides its content, which a file that replaces it takes over.
constexpr DWORD kOwnAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                 FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::uint64_t fileTimeValue(const FILETIME& time) {
    return (std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

CopyResult failure(DWORD error) {
    switch (error) {
        case ERROR_ACCESS_DENIED: return {CopyOutcome::accessDenied, error};
        case ERROR_SHARING_VIOLATION: return {CopyOutcome::sharingViolation, error};
        case ERROR_DISK_FULL: return {CopyOutcome::diskFull, error};
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS: return {CopyOutcome::exists, error};
        default: return {CopyOutcome::failed, error};
    }
}

// A rename over a file that another program holds open fails with access denied; opening
// the file tells that apart from a read-only file.
bool heldOpen(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

class Win32FileSystem : public FileSystem {
public:
    CopyResult copyToNewFile(const char* source, const char* destination) override {
        if (reachedThroughLink(source)) return {CopyOutcome::link, 0};
        if (CopyFileA(source, destination, TRUE)) return {CopyOutcome::copied, 0};
        return failure(GetLastError());
    }
    CopyResult renameToNew(const char* from, const char* to) override {
        if (MoveFileExA(from, to, 0)) return {CopyOutcome::copied, 0};
        return failure(GetLastError());
    }
    // Seen under Wine: a read-only or hidden destination is replaced like any other, and
    // one that another program holds open is refused with access denied whatever the
    // sharing. Windows refuses a read-only destination with access denied.
    CopyResult renameOver(const char* from, const char* to) override {
        if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING)) return {CopyOutcome::copied, 0};
        DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED && heldOpen(to)) error = ERROR_SHARING_VIOLATION;
        return failure(error);
    }
    // Seen under Wine: a file in a folder that forbids deleting it is reported deleted and
    // stays. A deletion counts only when the file is gone.
    bool deleteFile(const char* path) override {
        if (!DeleteFileA(path)) return false;
        if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return true;
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    std::uint32_t lastError() override { return GetLastError(); }
    bool removeDirectory(const char* path) override { return RemoveDirectoryA(path) != 0; }
    bool setAttributes(const char* path, std::uint32_t attributes) override {
        return SetFileAttributesA(path, attributes) != 0;
    }
    CreateResult createDirectory(const char* path) override {
        if (CreateDirectoryA(path, nullptr)) return CreateResult::created;
        return GetLastError() == ERROR_ALREADY_EXISTS ? CreateResult::alreadyExists
                                                      : CreateResult::failed;
    }
    FileState fileState(const char* path) override {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data))
            return {false, 0, 0, false, false};
        return {true, (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                fileTimeValue(data.ftLastWriteTime),
                (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0};
    }

    std::string nameOnDisk(const char* path) override {
        WIN32_FIND_DATAA item;
        HANDLE search = FindFirstFileA(path, &item);
        if (search == INVALID_HANDLE_VALUE) return lastName(path);
        FindClose(search);
        return item.cFileName;
    }

    bool setCurrentDirectory(const char* path) override { return SetCurrentDirectoryA(path) != 0; }
    bool getCurrentDirectory(char* buffer, int size) override {
        DWORD length = GetCurrentDirectoryA(DWORD(size), buffer);
        return length != 0 && length < DWORD(size);
    }
    bool tempFolder(char* buffer, int size) override {
        DWORD length = GetTempPathA(DWORD(size), buffer);
        return length != 0 && length < DWORD(size);
    }

    FileHandle createFile(const char* path) override {
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        return file == INVALID_HANDLE_VALUE ? nullptr : file;
    }
    CreateResult createNewFile(const char* path, FileHandle& file) override {
        HANDLE made = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (made == INVALID_HANDLE_VALUE) {
            DWORD error = GetLastError();
            return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS
                       ? CreateResult::alreadyExists
                       : CreateResult::failed;
        }
        file = made;
        return CreateResult::created;
    }
    bool writeFile(FileHandle file, const void* data, std::uint32_t size) override {
        DWORD written = 0;
        return WriteFile(static_cast<HANDLE>(file), data, size, &written, nullptr) &&
               written == size;
    }
    void closeFile(FileHandle file) override { CloseHandle(static_cast<HANDLE>(file)); }

    bool readWholeFile(const char* path, std::string& content) override {
        HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        DWORD size = GetFileSize(file, nullptr);
        bool ok = size != INVALID_FILE_SIZE;
        DWORD read = 0;
        if (ok) {
            content.assign(size, '\0');
            ok = size == 0 || ReadFile(file, &content[0], size, &read, nullptr);
            content.resize(read);
        }
        CloseHandle(file);
        return ok;
    }
    // Wine's MoveFileExA replaces even a read-only file, and a moved file keeps its own
    // attributes, not those of the file it replaces.
    ReplaceResult replaceFile(const char* from, const char* to) override {
        HANDLE old = CreateFileA(to, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (old != INVALID_HANDLE_VALUE) {
            BY_HANDLE_FILE_INFORMATION info;
            bool known = GetFileInformationByHandle(old, &info) != 0;
            CloseHandle(old);
            if (!known) return ReplaceResult::refused;
            if (info.nNumberOfLinks > 1 || reachedThroughLink(to)) return ReplaceResult::onlyInPlace;
            // Written content is due for backup, as after any write.
            DWORD kept = (info.dwFileAttributes & kOwnAttributes) | FILE_ATTRIBUTE_ARCHIVE;
            if (!SetFileAttributesA(from, kept)) return ReplaceResult::refused;
        } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
            return ReplaceResult::refused;
        }
        if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return ReplaceResult::replaced;
        SetFileAttributesA(from, FILE_ATTRIBUTE_NORMAL);  // a read-only file cannot be deleted
        return ReplaceResult::refused;
    }

    std::string errorText(std::uint32_t error) override {
        char text[512];
        DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                      text, sizeof text, nullptr);
        return std::string(text, length);
    }
};

}  // namespace

FileSystem& systemFileSystem() {
    static Win32FileSystem files;
    return files;
}

}  // namespace evenkeeper
