#pragma once
// Carries out the plan in the result list: creates the source's folders on the destination
// side, copies, moves and deletes row by row, removes each row that was done, and writes
// every failure to the log file, which is opened for the user when it received anything.
// A file that changed since the scan is neither overwritten nor deleted; a file is replaced
// only by a whole copy (see TemporaryCopy). Deleted files go to the Recycle Bin where their
// side has one.
#include <string>
#include <vector>

#include "engine/RunProgress.h"
#include "engine/SyncContext.h"
#include "engine/TargetCheck.h"
#include "engine/TemporaryCopy.h"
#include "platform/Clock.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/RecycleBin.h"

namespace evenkeeper {

class SyncRun {
public:
    SyncRun(const SyncContext& context, FileSystem& files, RecycleBin& bin, const Clock& clock,
            TargetCheck& check);

    void runSync();

private:
    enum class RowResult { done, stays, stop, toBin };

    // A row whose file waits to go to the bin with others.
    struct BinRow {
        int row;
        const FileEntry* entry;
        std::string path;
    };

    // 1 when every folder of the source scan exists on the destination side, 0 after a
    // failure that was reported.
    int createFolders();
    void writeLog(const std::string& text);

    bool scannedFoldersAreCurrent() const;
    // The run from the log's creation to its closing, stamping record when every row was
    // gone through. Only the rows write to the log.
    void carryOutPlan(SyncOperation& record);
    RowResult carryOut(int row, const FileEntry& entry);
    RowResult deleteEntry(int row, const FileEntry& entry, const std::string& source);
    // Moves the waiting files to the bin and removes the rows of those that went; the number
    // of rows removed.
    int recycleWaiting();
    void rowDone(int row, const FileEntry& entry);
    // Removes the deleted file's own folder when the other side has no such folder.
    void removeFolderOf(const FileEntry& entry, const std::string& path);
    RowResult copyEntry(const FileEntry& entry, const char* folder, const std::string& source,
                        const std::string& destination);
    RowResult changedSinceScan(const std::string& path);
    RowResult linkLeftAlone(const std::string& path);
    // Sends the version at destination to the bin; target is the name the copy then takes.
    // False, logged, when the bin refused it.
    bool recycleReplaced(const std::string& destination, std::string& target);
    // The copy takes the place of destination, which stood as before.
    CopyResult replace(TemporaryCopy& copy, const std::string& destination, const FileState& before);
    RowResult copyFailed(const CopyResult& result, const std::string& source,
                         const std::string& destination);
    // A deletion the system refused: logged with its reason after what, and the row stays.
    RowResult notDeleted(const std::string& path, const char* what);
    RowResult notRecycled(const std::string& path, const std::string& reason);
    std::string createFoldersOf(const FolderScanner& source, const FolderScanner& destination,
                                const char* destinationRoot);
    const char* progressText() const;

    SyncContext context_;
    FileSystem& files_;
    RecycleBin& bin_;
    const Clock& clock_;
    TargetCheck& check_;
    RunProgress progress_;
    SyncOperation job_;  // the operation as the run began
    FileHandle log_ = nullptr;
    bool logWritten_ = false;
    bool sideHasBin_[2] = {false, false};  // top, bottom
    std::vector<BinRow> toBin_;
};

}  // namespace evenkeeper
