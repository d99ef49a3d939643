#pragma once
// Looks entries up through hash indexes of the other scan's folders and names, so that a plan
// costs time in proportion to the number of files rather than its square. The answers are
// those of a search of the other table in table order under the platform's comparison.
#include <string>
#include <vector>

#include "engine/CaseIndex.h"
#include "engine/EntryMatcher.h"
#include "engine/GroupedIndex.h"

namespace evenkeeper {

class IndexedMatcher : public EntryMatcher {
public:
    explicit IndexedMatcher(const TextCompare& compare) : compare_(compare) {}

    void prepare(const FolderScanner& source, const FolderScanner& other) override;
    const FileEntry* find(const FileEntry& entry, const char* folder) override;

private:
    static constexpr int kUnknown = -2;

    // The hash of text's case key: the one place where names and folders are keyed.
    std::uint64_t hashOf(const char* text);
    int folderClassOf(const char* folder);

    const TextCompare& compare_;
    const FolderScanner* other_ = nullptr;
    CaseIndex folderIndex_;             // other's folder slots by text
    std::vector<int> otherFolderClass_; // other's slot -> its first equal slot
    std::vector<int> sourceFolderClass_;// source's slot -> other's class, -1 none
    GroupedIndex entryIndex_;           // first entry of other per name, by folder class
    std::string key_;
};

}  // namespace evenkeeper
