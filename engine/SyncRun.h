#pragma once
// Carries out the plan in the result list: creates the source's folders on the destination
// side, copies, moves and deletes row by row, removes each row that was done, and writes
// every failure to the log file, which is opened for the user when it received anything.
#include <string>

#include "engine/SyncContext.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace evenkeeper {

class SyncRun {
public:
    SyncRun(const SyncContext& context, FileSystem& files, const Clock& clock);

    void runSync();

private:
    enum class RowResult { done, stays, stop };

    // 1 when every folder of the source scan exists on the destination side, 0 after a
    // failure that was reported.
    int createFolders();
    void writeLog(const std::string& text);

    bool scannedFoldersAreCurrent() const;
    RowResult carryOut(const FileEntry& entry);
    RowResult deleteEntry(const FileEntry& entry, const std::string& source, const FolderScanner& other);
    RowResult copyEntry(const std::string& source, const std::string& destination);
    RowResult copyFailed(const CopyResult& result, const std::string& source,
                         const std::string& destination, const FileState& before);
    std::string createFoldersOf(const FolderScanner& source, const FolderScanner& destination,
                                const char* destinationRoot);
    const char* progressText() const;

    SyncContext context_;
    FileSystem& files_;
    const Clock& clock_;
    SyncOperation job_;  // the operation as the run began
    FileHandle log_ = nullptr;
    bool logWritten_ = false;
};

}  // namespace evenkeeper
