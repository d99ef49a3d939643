#include "engine/ScanTargetCheck.h"

namespace evenkeeper {
namespace {

// The scan keeps the low 32 bits of a size.
bool sameAsScanned(const FileState& now, const FileEntry& seen) {
    return now.exists && now.lastWrite == seen.lastWrite && std::uint32_t(now.size) == seen.size;
}

}  // namespace

ScanTargetCheck::ScanTargetCheck(const FolderScanner& top, const FolderScanner& bottom,
                                 const TextCompare& compare)
    : top_(top), bottom_(bottom), fromTop_(compare), fromBottom_(compare) {}

const FileEntry* ScanTargetCheck::seenAtDestination(const FileEntry& entry, const char* folder) {
    // Indexed on first use only: a one-way plan never looks the other way.
    if (entry.side == Side::top) {
        if (!topPrepared_) fromTop_.prepare(top_, bottom_);
        topPrepared_ = true;
        return fromTop_.find(entry, folder);
    }
    if (!bottomPrepared_) fromBottom_.prepare(bottom_, top_);
    bottomPrepared_ = true;
    return fromBottom_.find(entry, folder);
}

bool ScanTargetCheck::mayCopyOnto(const FileEntry& entry, const char* folder,
                                  const char* destination, const FileState& now) {
    const FileEntry* seen = seenAtDestination(entry, folder);
    bool unchanged = seen ? sameAsScanned(now, *seen) : !now.exists;
    return unchanged || writtenByThisRun(destination);
}

bool ScanTargetCheck::mayDelete(const FileEntry& entry, const char* path, const FileState& now) {
    return sameAsScanned(now, entry) || writtenByThisRun(path);
}

void ScanTargetCheck::copied(const char* destination) { written_.insert(destination); }

// Only the same spelling counts: a.txt and A.TXT of a source volume that tells case apart
// are two files competing for one destination, and the second is refused as a change.
bool ScanTargetCheck::writtenByThisRun(const char* path) {
    return !written_.empty() && written_.count(path) != 0;
}

}  // namespace evenkeeper
