#pragma once
// Files and folders: what the sync run, the log and the settings files do to the disk.
// The Win32 backend calls the narrow Win32 functions; the POSIX backend reports the same
// outcomes (a POSIX system has no sharing violation).
#include <cstdint>
#include <cstring>
#include <string>

namespace evenkeeper {

// copied also stands for a rename that was done; link, for a source that is a link to a
// file, which is not copied.
enum class CopyOutcome { copied, accessDenied, sharingViolation, diskFull, exists, link, failed };

struct CopyResult {
    CopyOutcome outcome;
    std::uint32_t error;  // the system's error code of a failure
};

struct FileState {
    bool exists;
    std::uint64_t size;
    std::uint64_t lastWrite;
    bool folder;
    // The system marks the name as a link: on POSIX a symbolic link, which the other fields
    // follow (one that leads nowhere does not exist); on Windows a reparse point.
    bool link;
};

enum class CreateResult { created, alreadyExists, failed };

enum class ReplaceResult {
    replaced,     // the file now holds the new content and keeps its own properties
    refused,      // nothing changed: the file may not be written, or the move failed
    onlyInPlace,  // nothing changed: a new file in its place would change what it is (its
                  // owner, its other names), so only writing into the file itself keeps it
};

using FileHandle = void*;

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Copies source, with its last-write time and attributes, to destination, which is made
    // new: an existing destination is left alone (exists), and so is a source that is a
    // link to a file or reached through one (link): a link made since the scan is refused
    // in the same step as the copy.
    virtual CopyResult copyToNewFile(const char* source, const char* destination) = 0;
    // Moves the file from to the name to while nothing has that name: the look and the
    // move are one step. A name that is taken, by a file, a folder or a link, is left alone
    // (exists).
    virtual CopyResult renameToNew(const char* from, const char* to) = 0;
    // Moves the file from over the file to in one step. A read-only to is refused
    // (accessDenied), as on Windows, and so is one that another program holds open
    // (sharingViolation where the system tells it). The one place where a run replaces a file.
    virtual CopyResult renameOver(const char* from, const char* to) = 0;
    // The one place where a file is deleted; lastError() tells why it was not.
    virtual bool deleteFile(const char* path) = 0;
    // The system's error code of the last failed call.
    virtual std::uint32_t lastError() = 0;
    virtual bool removeDirectory(const char* path) = 0;
    virtual bool setAttributes(const char* path, std::uint32_t attributes) = 0;
    virtual CreateResult createDirectory(const char* path) = 0;
    virtual FileState fileState(const char* path) = 0;
    // The name of the existing file at path as the folder holds it, which on Windows may
    // differ from path's in case.
    virtual std::string nameOnDisk(const char* path) = 0;

    virtual bool setCurrentDirectory(const char* path) = 0;
    // The current directory into buffer (size bytes with the terminator); false when it
    // does not fit or cannot be had.
    virtual bool getCurrentDirectory(char* buffer, int size) = 0;
    // The temporary folder, ending in the separator; false when it cannot be had.
    virtual bool tempFolder(char* buffer, int size) = 0;

    // A file created (or emptied) for writing, shared with nobody; null on failure.
    virtual FileHandle createFile(const char* path) = 0;
    // A file for writing, shared with nobody, that did not exist before; file is set only
    // when created.
    virtual CreateResult createNewFile(const char* path, FileHandle& file) = 0;
    virtual bool writeFile(FileHandle file, const void* data, std::uint32_t size) = 0;
    virtual void closeFile(FileHandle file) = 0;
    // The whole content of an existing file opened without sharing.
    virtual bool readWholeFile(const char* path, std::string& content) = 0;
    // Moves from over to in one step. An existing to is replaced only when this process may
    // write it, and the new content keeps its attributes (POSIX: its mode and owner).
    virtual ReplaceResult replaceFile(const char* from, const char* to) = 0;

    // The system's message text for an error code; empty when it has none.
    virtual std::string errorText(std::uint32_t error) = 0;
};

FileSystem& systemFileSystem();

// The part of path after its last "\".
inline const char* lastName(const char* path) {
    const char* slash = std::strrchr(path, '\\');
    return slash ? slash + 1 : path;
}

}  // namespace evenkeeper
