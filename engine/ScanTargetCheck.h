#pragma once
// Compares the file a row replaces or deletes, as the run just looked at it, with what the
// scan saw there: a destination the scan saw must still have its last-write time and size,
// one it did not see must still be missing, and a file to delete must still have its own.
// Files this run wrote itself are its own work and pass.
#include <string>
#include <unordered_set>

#include "engine/FolderScanner.h"
#include "engine/IndexedMatcher.h"
#include "engine/TargetCheck.h"

namespace evenkeeper {

class ScanTargetCheck : public TargetCheck {
public:
    ScanTargetCheck(const FolderScanner& top, const FolderScanner& bottom,
                    const TextCompare& compare);

    bool mayCopyOnto(const FileEntry& entry, const char* folder, const char* destination,
                     const FileState& now) override;
    bool mayDelete(const FileEntry& entry, const char* path, const FileState& now) override;
    void copied(const char* destination) override;

private:
    // The destination's entry in the other side's scan; null when the scan saw none there.
    const FileEntry* seenAtDestination(const FileEntry& entry, const char* folder);
    bool writtenByThisRun(const char* path);

    const FolderScanner& top_;
    const FolderScanner& bottom_;
    IndexedMatcher fromTop_;
    IndexedMatcher fromBottom_;
    bool topPrepared_ = false;
    bool bottomPrepared_ = false;
    std::unordered_set<std::string> written_;  // the paths this run wrote, as it wrote them
};

}  // namespace evenkeeper
