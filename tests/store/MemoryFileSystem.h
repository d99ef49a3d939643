#pragma once
// Files and folders in memory, with failures on demand: the disk under the settings files
// for failure tests and the fuzzer. Paths are compared as they are written; "X:" drives exist.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace evenkeeper::test {

class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;      // without a final "\"
    std::vector<std::string> created;   // every createFile and createNewFile, in order
    int failWriteNumber = 0;            // the nth writeFile (1 = next) writes half and fails
    bool failCreate = false;
    bool failReplace = false;

    CopyResult copyToNewFile(const char*, const char*) override { return {CopyOutcome::failed, 1}; }
    CopyResult renameOver(const char*, const char*) override { return {CopyOutcome::failed, 1}; }
    CopyResult renameToNew(const char*, const char*) override { return {CopyOutcome::failed, 1}; }
    bool deleteFile(const char* path) override { return files.erase(path) == 1; }
    std::uint32_t lastError() override { return 2; }
    bool removeDirectory(const char* path) override { return folders.erase(path) == 1; }
    bool setAttributes(const char* path, std::uint32_t) override { return files.count(path) == 1; }
    CreateResult createDirectory(const char* path) override;
    FileState fileState(const char* path) override;
    std::string nameOnDisk(const char* path) override { return lastName(path); }
    bool setCurrentDirectory(const char* path) override;
    bool getCurrentDirectory(char* buffer, int size) override;
    bool tempFolder(char* buffer, int size) override;
    FileHandle createFile(const char* path) override;
    CreateResult createNewFile(const char* path, FileHandle& file) override;
    bool writeFile(FileHandle file, const void* data, std::uint32_t size) override;
    void closeFile(FileHandle) override {}
    bool readWholeFile(const char* path, std::string& content) override;
    ReplaceResult replaceFile(const char* from, const char* to) override;
    std::string errorText(std::uint32_t) override { return {}; }

private:
    bool folderExists(std::string path) const;

    std::string current_ = "C:";
    std::vector<std::unique_ptr<std::string>> handles_;  // the path each handle writes
};

}  // namespace evenkeeper::test
