#include "app/ResultsLines.h"

#include "app/DeletionGuard.h"
#include "engine/NumberText.h"
#include "platform/DiskSpace.h"
#include "platform/RecycleBin.h"

namespace evenkeeper {
namespace {

// A drive that could not be asked would otherwise show as 18,446,744,073,709,551,615 bytes.
std::string freeBytes(std::uint64_t free) { return free == kUnknownSpace ? "unknown" : groupedNumber(free); }

}  // namespace

ResultsFigures currentFigures(const SyncSession& session, const FolderScanner& top,
                              const FolderScanner& bottom) {
    const SyncOperation& job = *session.currentOperation;
    ResultsFigures figures;
    figures.topFree = freeSpace(job.topFolder, nullptr);
    figures.bottomFree = freeSpace(job.bottomFolder, nullptr);
    figures.scanValid = session.scanValid;
    figures.topFiles = std::uint32_t(top.table().count());
    figures.bottomFiles = std::uint32_t(bottom.table().count());
    figures.topBytes = top.totalBytes();
    figures.bottomBytes = bottom.totalBytes();
    figures.topPlanBytes = session.topPlanBytes;
    figures.bottomPlanBytes = session.bottomPlanBytes;
    figures.operation = job.operation;
    figures.direction = job.direction;
    figures.topBin = systemRecycleBin().holds(job.topFolder);
    figures.bottomBin = systemRecycleBin().holds(job.bottomFolder);
    return figures;
}

std::vector<ResultsLine> resultsLines(const ResultsFigures& f) {
    std::vector<ResultsLine> lines = {
        {freeBytes(f.topFree), "free on drive top drive."},
        {freeBytes(f.bottomFree), "free on drive bottom drive."},
        {"", ""},
    };
    if (!f.scanValid) return lines;
    lines.insert(lines.end(), {
        {groupedNumber(f.topFiles), "files in top folder"},
        {groupedNumber(f.topBytes), "bytes top folder."},
        {groupedNumber(f.bottomFiles), "files in bottom folder"},
        {groupedNumber(f.bottomBytes), "bytes bottom folder."},
        {"", ""},
    });
    // Duplicate is labelled "move" as a Move is; its deletions have a line of their own.
    const std::string verb = f.operation == kCopy ? "copy" : "move";
    if (f.direction != kBottomToTop)
        lines.push_back({groupedNumber(f.topPlanBytes), "bytes to " + verb + " from top folder."});
    if (f.direction != kTopToBottom)
        lines.push_back({groupedNumber(f.bottomPlanBytes), "bytes to " + verb + " from bottom folder."});
    if (f.operation == kDuplicate) {
        if (f.direction == kTopToBottom)
            lines.push_back({groupedNumber(f.bottomPlanBytes), "bytes to delete from bottom folder."});
        else
            lines.push_back({groupedNumber(f.topPlanBytes), "bytes to delete from top folder."});
        bool toBin = f.direction == kTopToBottom ? f.bottomBin : f.topBin;
        lines.push_back({"", whereDeletedFilesGo(toBin)});
    }
    return lines;
}

}  // namespace evenkeeper
