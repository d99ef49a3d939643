#pragma once
// The relative folder paths of one scan ("" for the root, "Music\Live\" two levels down) in
// fixed 260-byte slots: 1000 at first, 200 more whenever the next path would not fit.
// Lookups go through a hash index on the platform's case key instead of a linear search.
#include <cstdlib>

#include "engine/CaseIndex.h"
#include "engine/Reallocate.h"
#include "platform/DirectorySearch.h"
#include "platform/TextCompare.h"

namespace evenkeeper {

class FolderList {
public:
    static constexpr int kFirstSlots = 1000;
    static constexpr int kGrowth = 200;
    static constexpr int kSlotSize = kMaxPath;

    explicit FolderList(const TextCompare& compare, Reallocate reallocate = std::realloc);
    ~FolderList();
    FolderList(const FolderList&) = delete;
    FolderList& operator=(const FolderList&) = delete;

    // Releases the list and starts an empty one; false when no memory could be had.
    bool create();

    // The first slot whose text equals text without regard to case, or -1.
    int findFolder(const char* text) const;
    // Stores text (cut to 259 bytes, between characters) in the next slot: its index, or -1 when growing failed.
    int addFolder(const char* text);
    int internFolder(const char* text);
    // The slot's text, or null at or past the capacity.
    const char* folderAt(int index) const;

    int lastIndex() const { return lastIndex_; }
    int capacity() const { return capacity_; }
    const TextCompare& compare() const { return compare_; }

private:
    bool grow(int slots);
    std::uint64_t hashOf(const char* text) const;

    const TextCompare& compare_;
    Reallocate reallocate_;
    char* slots_ = nullptr;
    int capacity_ = 0;
    int lastIndex_ = -1;
    CaseIndex index_;
    mutable std::string key_;
};

}  // namespace evenkeeper
