#include "engine/DifferenceFinder.h"

#include <cstdio>

namespace evenkeeper {

int compareTimes(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t tolerance = 20000000;  // 2 seconds in 100 ns units
    if (a > b) return a - b <= tolerance ? 0 : 1;
    return b - a <= tolerance ? 0 : -1;
}

DifferenceFinder::DifferenceFinder(const SyncContext& context, const TextCompare& compare,
                                   EntryMatcher* matcher)
    : context_(context), indexed_(compare), matcher_(matcher ? *matcher : indexed_) {}

void DifferenceFinder::findDifferences() {
    SyncSession& session = context_.session;
    if (!session.scanValid) return;
    context_.progress.SetColours(0, kProgressBackground);
    context_.progress.Show("Finding differences...");
    context_.rows.clearRows();

    FolderScanner& top = context_.top;
    FolderScanner& bottom = context_.bottom;
    const SyncOperation& operation = *session.currentOperation;
    bool duplicate = operation.operation == kDuplicate;
    bool planned = true;
    switch (operation.direction) {
        case kTopToBottom:
            if (duplicate) session.bottomPlanBytes = listPass(bottom, top, Side::bottom, true);
            session.topPlanBytes = listPass(top, bottom, Side::top, false);
            break;
        case kBottomToTop:
            if (duplicate) session.topPlanBytes = listPass(top, bottom, Side::top, true);
            session.bottomPlanBytes = listPass(bottom, top, Side::bottom, false);
            break;
        case kBothWays:
            session.topPlanBytes = listPass(top, bottom, Side::top, false);
            session.bottomPlanBytes = listPass(bottom, top, Side::bottom, false);
            break;
        default:
            planned = false;
    }
    if (planned) context_.dialog.enableMiddleButton(true);
    context_.progress.Close();
}

std::uint64_t DifferenceFinder::listPass(FolderScanner& source, FolderScanner& other, Side side,
                                         bool deletePass) {
    const SyncOperation& operation = *context_.session.currentOperation;
    // Both ways is not a Duplicate direction; a data file may still combine them, and then
    // each side only receives newer and missing files, so nothing is deleted or overwritten
    // with an older copy.
    bool duplicate = operation.operation == kDuplicate && operation.direction != kBothWays;
    int image = deletePass ? kImageDelete : side == Side::top ? kImageCopyDown : kImageCopyUp;

    matcher_.prepare(source, other);
    FileTable& table = source.table();
    std::uint64_t total = 0;
    unsigned count = 0;
    for (int i = 0; i < table.count(); ++i) {
        FileEntry& entry = table.at(i);
        const char* folder = source.folders().folderAt(entry.folder);
        if (folder && isNeeded(other, entry, folder, duplicate, deletePass)) {
            entry.side = side;
            entry.toDelete = deletePass;
            context_.rows.appendRow(entry, image);
            total += entry.size;
            ++count;
        }
        if ((i + 1) % kEntriesPerPump == 0) context_.pump.pumpMessages();
    }
    char status[40];
    std::snprintf(status, sizeof status, "Items found: %u", count);
    context_.dialog.setStatusText(status);
    return total;
}

bool DifferenceFinder::isNeeded(const FolderScanner& other, const FileEntry& entry,
                                const char* folder, bool duplicate, bool deletePass) {
    const FileEntry* match = matcher_.find(entry, folder);
    if (!match) {
        // Missing from a folder the other scan could not read, or standing there as a link,
        // is not known to be missing: deleting it (delete pass) or copying over what may
        // stand there (copy pass) would act on files nobody saw.
        return !other.isUnread(folder, entry.name);
    }
    if (deletePass) return false;
    int c = compareTimes(match->lastWrite, entry.lastWrite);
    if (c == 0) return false;
    return duplicate || c == -1;
}

void DifferenceFinder::showSide(FolderScanner& scanner) {
    context_.rows.clearRows();
    FileTable& table = scanner.table();
    for (int i = 0; i < table.count(); ++i) context_.rows.appendRow(table.at(i), kImageSideView);
}

}  // namespace evenkeeper
