#pragma once
// Turns the two scans into the plan: one row per file to copy or delete, in pass order, and
// the byte totals of each pass.
#include <cstdint>

#include "engine/EntryMatcher.h"
#include "engine/IndexedMatcher.h"
#include "engine/SyncContext.h"

namespace evenkeeper {

// -1, 0 or 1; times at most 2 seconds apart are equal.
int compareTimes(std::uint64_t a, std::uint64_t b);

class DifferenceFinder {
public:
    static constexpr std::uint32_t kProgressBackground = 0x90EE90;
    static constexpr int kEntriesPerPump = 52;

    // matcher: how entries are looked up in the other table; the indexed one when null.
    DifferenceFinder(const SyncContext& context, const TextCompare& compare,
                     EntryMatcher* matcher = nullptr);

    // Rebuilds the plan from the last scan; does nothing while the scan is not valid.
    void findDifferences();
    // One pass over source's table; the total size of the rows it added.
    std::uint64_t listPass(FolderScanner& source, FolderScanner& other, Side side, bool deletePass);
    bool isNeeded(const FolderScanner& other, const FileEntry& entry, const char* folder,
                  bool duplicate, bool deletePass);
    // Lists every file of one scan without planning anything.
    void showSide(FolderScanner& scanner);

private:
    SyncContext context_;
    IndexedMatcher indexed_;
    EntryMatcher& matcher_;
};

}  // namespace evenkeeper
