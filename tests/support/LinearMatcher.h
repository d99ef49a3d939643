#pragma once
#include "engine/EntryMatcher.h"

namespace evenkeeper::test {

// The plain search of the other table, entry by entry in table order: the reference that
// the indexed lookup must agree with.
class LinearMatcher : public EntryMatcher {
public:
    explicit LinearMatcher(const TextCompare& compare) : compare_(compare) {}
    void prepare(const FolderScanner&, const FolderScanner& other) override { other_ = &other; }
    const FileEntry* find(const FileEntry& entry, const char* folder) override;

private:
    const TextCompare& compare_;
    const FolderScanner* other_ = nullptr;
};

}  // namespace evenkeeper::test
