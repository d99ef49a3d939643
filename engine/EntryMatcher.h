#pragma once
#include "engine/FolderScanner.h"

namespace evenkeeper {

// Finds, for an entry of one scan, the same file in the other scan.
class EntryMatcher {
public:
    virtual ~EntryMatcher() = default;
    // Prepares lookups of source's entries in other's table.
    virtual void prepare(const FolderScanner& source, const FolderScanner& other) = 0;
    // The first entry of other's table, in table order, whose name equals entry's name and
    // whose relative folder equals folder, both without regard to case; null when none.
    virtual const FileEntry* find(const FileEntry& entry, const char* folder) = 0;
};

}  // namespace evenkeeper
