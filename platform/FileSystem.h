#pragma once
// Files and folders: what the sync run, the log and the settings files do to the disk.
// The Win32 backend calls the narrow Win32 functions; the POSIX backend reports the same
// outcomes (a POSIX system has no sharing violation).
#include <cstdint>
#include <string>

namespace evenkeeper {

enum class CopyOutcome { copied, accessDenied, sharingViolation, diskFull, failed };

struct CopyResult {
    CopyOutcome outcome;
    std::uint32_t error;  // the system's error code of a failure
};

struct FileState {
    bool exists;
    std::uint64_t size;
    std::uint64_t lastWrite;
};

enum class CreateResult { created, alreadyExists, failed };

using FileHandle = void*;

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Copies source over destination (replacing it) with its last-write time.
    virtual CopyResult copyFile(const char* source, const char* destination) = 0;
    virtual bool deleteFile(const char* path) = 0;
    virtual bool removeDirectory(const char* path) = 0;
    virtual bool setAttributes(const char* path, std::uint32_t attributes) = 0;
    virtual CreateResult createDirectory(const char* path) = 0;
    virtual FileState fileState(const char* path) = 0;

    virtual bool setCurrentDirectory(const char* path) = 0;
    // The current directory into buffer (size bytes with the terminator); false when it
    // does not fit or cannot be had.
    virtual bool getCurrentDirectory(char* buffer, int size) = 0;
    // The temporary folder, ending in the separator; false when it cannot be had.
    virtual bool tempFolder(char* buffer, int size) = 0;

    // A file created (or emptied) for writing, shared with nobody; null on failure.
    virtual FileHandle createFile(const char* path) = 0;
    virtual bool writeFile(FileHandle file, const void* data, std::uint32_t size) = 0;
    virtual void closeFile(FileHandle file) = 0;
    // The whole content of an existing file opened without sharing.
    virtual bool readWholeFile(const char* path, std::string& content) = 0;
    // Moves from over to, replacing it in one step.
    virtual bool replaceFile(const char* from, const char* to) = 0;

    // The system's message text for an error code; empty when it has none.
    virtual std::string errorText(std::uint32_t error) = 0;
};

FileSystem& systemFileSystem();

}  // namespace evenkeeper
