#pragma once
// The real file system with failures on demand: copies and renames refused with a chosen
// outcome, a disk that fills on the nth copy (leaving a part of the copy, as a real full
// disk does), a log that cannot be created, folders that cannot be made.
#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace evenkeeper::test {

class FaultyFileSystem : public FileSystem {
public:
    explicit FaultyFileSystem(FileSystem& real) : real_(real) {}

    // Copies whose source path ends in suffix fail with outcome, the next `times` attempts.
    void failCopy(const std::string& suffix, CopyOutcome outcome, std::uint32_t error, int times = 1000);
    // The nth copy from now (1 = the next) writes half the file and then fails, by default
    // with a full disk.
    void failAfterWriting(int n, CopyOutcome outcome = CopyOutcome::diskFull, std::uint32_t error = 112) {
        partialCountdown_ = n;
        partialFailure_ = {outcome, error};
    }
    // Renames onto a path that ends in suffix fail with outcome, the next `times` attempts,
    // whether they may replace a file or not.
    void failRename(const std::string& suffix, CopyOutcome outcome, std::uint32_t error, int times = 1000);
    void failCreateFile() { failCreateFile_ = true; }
    void failCreateDirectory(const std::string& suffix) { failDirectories_.insert(suffix); }
    int copies() const { return copies_; }

    CopyResult copyToNewFile(const char* source, const char* destination) override;
    CopyResult renameOver(const char* from, const char* to) override;
    CopyResult renameToNew(const char* from, const char* to) override;
    bool deleteFile(const char* path) override { return real_.deleteFile(path); }
    std::uint32_t lastError() override { return real_.lastError(); }
    bool removeDirectory(const char* path) override { return real_.removeDirectory(path); }
    bool setAttributes(const char* path, std::uint32_t attributes) override {
        return real_.setAttributes(path, attributes);
    }
    CreateResult createDirectory(const char* path) override;
    FileState fileState(const char* path) override { return real_.fileState(path); }
    std::string nameOnDisk(const char* path) override { return real_.nameOnDisk(path); }
    bool setCurrentDirectory(const char* path) override { return real_.setCurrentDirectory(path); }
    bool getCurrentDirectory(char* buffer, int size) override {
        return real_.getCurrentDirectory(buffer, size);
    }
    bool tempFolder(char* buffer, int size) override { return real_.tempFolder(buffer, size); }
    FileHandle createFile(const char* path) override {
        return failCreateFile_ ? nullptr : real_.createFile(path);
    }
    CreateResult createNewFile(const char* path, FileHandle& file) override {
        return failCreateFile_ ? CreateResult::failed : real_.createNewFile(path, file);
    }
    bool writeFile(FileHandle file, const void* data, std::uint32_t size) override {
        return real_.writeFile(file, data, size);
    }
    void closeFile(FileHandle file) override { real_.closeFile(file); }
    bool readWholeFile(const char* path, std::string& content) override {
        return real_.readWholeFile(path, content);
    }
    ReplaceResult replaceFile(const char* from, const char* to) override {
        return real_.replaceFile(from, to);
    }
    std::string errorText(std::uint32_t error) override { return real_.errorText(error); }

private:
    struct Failure {
        CopyOutcome outcome;
        std::uint32_t error;
        int times;
    };
    static bool endsWith(const std::string& text, const std::string& suffix);
    // The failure planned for path, counted down; none when outcome is copied.
    static CopyResult planned(std::map<std::string, Failure>& failures, const std::string& path);

    FileSystem& real_;
    std::map<std::string, Failure> copyFailures_;
    std::map<std::string, Failure> renameFailures_;
    std::set<std::string> failDirectories_;
    int partialCountdown_ = 0;
    CopyResult partialFailure_{CopyOutcome::diskFull, 112};
    bool failCreateFile_ = false;
    int copies_ = 0;
};

}  // namespace evenkeeper::test
