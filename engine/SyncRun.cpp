#include "engine/SyncRun.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "engine/PathHelpers.h"
#include "platform/DirectorySearch.h"

namespace evenkeeper {
namespace {

const char* const kTooLong = "\r\nFilename is too long. Can't copy or move.\r\n";

// Files that go to the bin in one call: the shell's cost per call is then shared, while the
// window still gets its messages often and a file waits little after its check.
constexpr std::size_t kBinBatch = 32;

}  // namespace

SyncRun::SyncRun(const SyncContext& context, FileSystem& files, RecycleBin& bin,
                 const Clock& clock, TargetCheck& check)
    : context_(context), files_(files), bin_(bin), clock_(clock), check_(check),
      progress_(context.dialog, clock) {}

void SyncRun::writeLog(const std::string& text) {
    files_.writeFile(log_, text.data(), std::uint32_t(text.size()));
    logWritten_ = true;
}

const char* SyncRun::progressText() const {
    switch (job_.operation) {
        case kMove: return "Moving files...";
        case kDuplicate: return "Duplicating folder...";
        default: return "Copying files...";
    }
}

// The plan's rows are files of the scanned roots; run against other folders it would copy
// and delete files nobody reviewed.
bool SyncRun::scannedFoldersAreCurrent() const {
    return context_.top.root() == job_.topFolder && context_.bottom.root() == job_.bottomFolder;
}

void SyncRun::runSync() {
    SyncSession& session = context_.session;
    // The run works on the operation as it stood when it began: messages handled between
    // rows must not turn a copy into a move or point it at other folders.
    SyncOperation* record = session.currentOperation;
    job_ = *record;
    context_.dialog.enableMiddleButton(false);
    session.scanValid = false;
    logWritten_ = false;
    if (!scannedFoldersAreCurrent()) {
        context_.dialog.showMessage("The folders were changed after the scan.\nScan again.",
                                    kMessageCaption);
        return;
    }
    progress_.start(context_.rows, job_.operation);
    carryOutPlan(*record);
    progress_.finish();
    if (logWritten_) context_.dialog.openWithShell(session.logFilePath.c_str());
}

void SyncRun::carryOutPlan(SyncOperation& record) {
    SyncSession& session = context_.session;
    log_ = files_.createFile(session.logFilePath.c_str());
    if (!log_) {
        context_.dialog.showMessage("Can't create log file", session.logFilePath.c_str());
        return;
    }
    if (!createFolders()) {
        files_.closeFile(log_);
        return;
    }

    context_.progress.Show(progressText());
    sideHasBin_[0] = bin_.holds(job_.topFolder);
    sideHasBin_[1] = bin_.holds(job_.bottomFolder);
    ResultRows& rows = context_.rows;
    bool completed = true;
    for (int row = rows.nextRow(-1); row != -1; row = rows.nextRow(row)) {
        context_.pump.pumpMessages();
        const FileEntry& entry = *rows.entryAt(row);
        RowResult result = carryOut(row, entry);
        if (result == RowResult::stop) {
            completed = false;
            break;
        }
        if (result == RowResult::done) {
            rowDone(row, entry);
            --row;  // the following row now stands at this position
        }
        if (toBin_.size() == kBinBatch) row -= recycleWaiting();
    }
    recycleWaiting();
    if (completed) {
        formatDate(clock_.now(), record.lastUsed);
        session.unsavedChanges = true;
    }

    context_.progress.Close();
    files_.closeFile(log_);
}

void SyncRun::rowDone(int row, const FileEntry& entry) {
    context_.rows.deleteRow(row);
    progress_.done(entry);
    context_.pump.pumpMessages();
}

SyncRun::RowResult SyncRun::carryOut(int row, const FileEntry& entry) {
    bool fromTop = entry.side == Side::top;
    const FolderScanner& source = fromTop ? context_.top : context_.bottom;
    const char* folder = source.folders().folderAt(entry.folder);
    if (!folder) folder = "";
    std::string relative = std::string(folder) + entry.name;
    std::string sourcePath = (fromTop ? job_.topFolder : job_.bottomFolder) + relative;
    std::string destinationPath = (fromTop ? job_.bottomFolder : job_.topFolder) + relative;

    if (sourcePath.size() >= kMaxPath) {
        writeLog(sourcePath + kTooLong);
        return RowResult::stays;
    }
    if (destinationPath.size() >= kMaxPath ||
        (!entry.toDelete && !TemporaryCopy::fitsBeside(destinationPath))) {
        writeLog(destinationPath + kTooLong);
        return RowResult::stays;
    }
    if (!reachableByName(relative)) {
        writeLog(sourcePath + "\r\n  The name ends in a dot or a blank, which Windows cannot "
                              "reach - not touched\r\n");
        return RowResult::stays;
    }
    if (entry.toDelete) return deleteEntry(row, entry, sourcePath);
    return copyEntry(entry, folder, sourcePath, destinationPath);
}

SyncRun::RowResult SyncRun::changedSinceScan(const std::string& path) {
    writeLog(path + "\r\n  Changed since the scan - not touched\r\n");
    return RowResult::stays;
}

// The scan passes over the links the system marks; Wine lists a link to a file as the file
// it points to, and a link may have been made since the scan. So a row asks right before it
// acts, with the look at the file that it makes anyway.
SyncRun::RowResult SyncRun::linkLeftAlone(const std::string& path) {
    writeLog(path + "\r\n  A link to a file - not touched\r\n");
    return RowResult::stays;
}

SyncRun::RowResult SyncRun::deleteEntry(int row, const FileEntry& entry,
                                        const std::string& source) {
    FileState now = files_.fileState(source.c_str());
    if (isLink(source, now)) return linkLeftAlone(source);
    if (!check_.mayDelete(entry, source.c_str(), now)) return changedSinceScan(source);
    if (sideHasBin_[entry.side == Side::top ? 0 : 1]) {
        toBin_.push_back({row, &entry, source});
        return RowResult::toBin;
    }
    if (!files_.deleteFile(source.c_str())) return notDeleted(source, "Not deleted: ");
    removeFolderOf(entry, source);
    return RowResult::done;
}

// A file the bin refused stays where it was, with its row: it is not deleted for good
// instead.
int SyncRun::recycleWaiting() {
    if (toBin_.empty()) return 0;
    std::vector<std::string> paths;
    for (const BinRow& waiting : toBin_) paths.push_back(waiting.path);
    std::vector<RecycleFailure> failures = bin_.recycle(paths);
    std::vector<bool> stays(toBin_.size(), false);
    for (const RecycleFailure& failure : failures) {
        stays[failure.index] = true;
        notRecycled(paths[failure.index], failure.reason);
    }
    int removed = 0;
    // From the last row back, so that the rows still to remove keep their positions.
    for (std::size_t i = toBin_.size(); i-- > 0;) {
        if (stays[i]) continue;
        removeFolderOf(*toBin_[i].entry, toBin_[i].path);
        rowDone(toBin_[i].row, *toBin_[i].entry);
        ++removed;
    }
    toBin_.clear();
    return removed;
}

// Only the deleted file's own folder is tried, and only when the other side has no such
// folder; a folder that still holds anything is not removed.
void SyncRun::removeFolderOf(const FileEntry& entry, const std::string& path) {
    bool fromTop = entry.side == Side::top;
    const FolderScanner& own = fromTop ? context_.top : context_.bottom;
    const FolderScanner& other = fromTop ? context_.bottom : context_.top;
    char folder[kMaxPath];
    std::strcpy(folder, path.c_str());
    cutToFolder(folder);
    const char* relative = folder + std::min<std::size_t>(std::strlen(folder), own.rootLength());
    if (other.folders().findFolder(relative) == -1) files_.removeDirectory(folder);
}

SyncRun::RowResult SyncRun::notRecycled(const std::string& path, const std::string& reason) {
    writeLog(path + "\r\n  Can't move it to the Recycle Bin: " + reason + "\r\n");
    return RowResult::stays;
}

SyncRun::RowResult SyncRun::notDeleted(const std::string& path, const char* what) {
    std::string reason = files_.errorText(files_.lastError());
    while (!reason.empty() && std::isspace(static_cast<unsigned char>(reason.back()))) reason.pop_back();
    writeLog(path + "\r\n  " + what + reason + "\r\n");
    return RowResult::stays;
}

SyncRun::RowResult SyncRun::copyEntry(const FileEntry& entry, const char* folder,
                                      const std::string& source, const std::string& destination) {
    TemporaryCopy copy(files_);
    CopyResult result = copy.make(source.c_str(), destination);
    if (result.outcome != CopyOutcome::copied) return copyFailed(result, source, destination);
    // Decided right before the destination is taken: the copy may have taken long. Where a
    // missing file would pass, the rename that refuses a taken name looks and acts in one
    // step; only a taken name is looked at.
    static const FileState missing{};
    result = check_.mayCopyOnto(entry, folder, destination.c_str(), missing)
                 ? copy.renameToNew(destination)
                 : CopyResult{CopyOutcome::exists, 0};
    if (result.outcome == CopyOutcome::exists) {
        FileState before = files_.fileState(destination.c_str());
        if (isLink(destination, before)) return linkLeftAlone(destination);
        if (!check_.mayCopyOnto(entry, folder, destination.c_str(), before))
            return changedSinceScan(destination);
        bool toBin = before.exists && !before.folder && sideHasBin_[entry.side == Side::top ? 1 : 0];
        std::string target;
        if (!toBin)
            result = replace(copy, destination, before);
        else if (recycleReplaced(destination, target))
            result = copy.renameToNew(target);
        else
            return RowResult::stays;
    }
    if (result.outcome != CopyOutcome::copied) return copyFailed(result, source, destination);
    check_.copied(destination.c_str());
    // The source of a move is not checked: whatever it holds now was just copied, so
    // deleting it loses nothing.
    if (job_.operation == kMove && !files_.deleteFile(source.c_str()))
        return notDeleted(source, "Copied, but not deleted: ");
    return RowResult::done;
}

// The version a copy replaces goes to the bin first, under the name its folder holds, whose
// case may differ from the source's; the copy then takes that name. A run killed in between
// leaves the old version in the bin and the whole copy beside its place under the temporary
// name. When the bin refuses it, it stays as it was, and the log says why.
bool SyncRun::recycleReplaced(const std::string& destination, std::string& target) {
    target = destination;
    target.replace(target.size() - std::strlen(lastName(target.c_str())), std::string::npos,
                   files_.nameOnDisk(destination.c_str()));
    std::vector<RecycleFailure> refused = bin_.recycle({target});
    if (refused.empty()) return true;
    notRecycled(target, refused[0].reason);
    return false;
}

// Only a file is made writable; a folder of the file's name keeps its attributes.
CopyResult SyncRun::replace(TemporaryCopy& copy, const std::string& destination,
                            const FileState& before) {
    CopyResult result = copy.renameOver(destination);
    if (result.outcome == CopyOutcome::accessDenied && before.exists && !before.folder) {
        files_.setAttributes(destination.c_str(), kAttributeNormal);
        result = copy.renameOver(destination);
    }
    return result;
}

// The destination is as it was: the copy went to a temporary file, which is gone.
SyncRun::RowResult SyncRun::copyFailed(const CopyResult& result, const std::string& source,
                                       const std::string& destination) {
    switch (result.outcome) {
        case CopyOutcome::accessDenied:
            writeLog(source + "\r\n  Access denied\r\n");
            return RowResult::stays;
        case CopyOutcome::sharingViolation:
            writeLog(source + "\r\n  Sharing violation\r\n");
            return RowResult::stays;
        case CopyOutcome::diskFull:
            writeLog("Disk full - sync operation aborted.\r\n");
            return RowResult::stop;
        case CopyOutcome::link: return linkLeftAlone(source);
        default:
            writeLog(source + "\r\n" + destination + "\r\n" + files_.errorText(result.error) + "\r\n");
            return RowResult::stays;
    }
}

int SyncRun::createFolders() {
    context_.progress.Show("Creating  folders...");
    std::string failed;
    if (job_.direction == kTopToBottom || job_.direction == kBothWays)
        failed = createFoldersOf(context_.top, context_.bottom, job_.bottomFolder);
    if (failed.empty() && (job_.direction == kBottomToTop || job_.direction == kBothWays))
        failed = createFoldersOf(context_.bottom, context_.top, job_.topFolder);
    context_.progress.Close();
    if (failed.empty()) return 1;
    context_.dialog.showMessage("Can't create folder", failed.c_str());
    return 0;
}

// Every folder the source scan entered, in walk order so that parents come first; the
// folder that could not be made, or empty. Nothing is made in or below a folder the
// destination's scan could not read: a folder link there leads elsewhere, perhaps out of
// the chosen folder.
std::string SyncRun::createFoldersOf(const FolderScanner& source, const FolderScanner& destination,
                                     const char* destinationRoot) {
    const FolderList& folders = source.folders();
    for (int slot = 0; slot <= folders.lastIndex(); ++slot) {
        if (destination.isBelowUnread(folders.folderAt(slot))) continue;
        std::string path = std::string(destinationRoot) + folders.folderAt(slot);
        if (!folderExists(files_, path.c_str()) && !makePath(files_, path.c_str())) return path;
    }
    return {};
}

}  // namespace evenkeeper
