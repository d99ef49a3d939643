#pragma once
// The files of one scan, in walk order, in one block that grows 20000 entries at a time.
// The block and the names live until the next reset; growing moves the entries.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "engine/FileEntry.h"
#include "engine/Reallocate.h"

namespace evenkeeper {

class FileTable {
public:
    static constexpr int kGrowth = 20000;

    explicit FileTable(Reallocate reallocate = std::realloc);
    ~FileTable();
    FileTable(const FileTable&) = delete;
    FileTable& operator=(const FileTable&) = delete;

    // Empties the table; the first call creates the block. False when there is no block.
    bool reset();
    bool hasMemory() const { return entries_ != nullptr; }
    // Grows the block by kGrowth zeroed entries; false when the allocator refused.
    bool grow();

    int count() const { return count_; }
    // Whether entry is one of this table's counted entries.
    bool holds(const FileEntry* entry) const {
        return entries_ && entry >= entries_ && entry < entries_ + count_;
    }
    int capacity() const { return capacity_; }
    FileEntry& at(int index) { return entries_[index]; }
    const FileEntry& at(int index) const { return entries_[index]; }

    // Counts the entry at count with a copy of name (the caller has checked room);
    // null when no memory was left for the name.
    FileEntry* append(const char* name);

private:
    const char* storeName(const char* name);

    Reallocate reallocate_;
    FileEntry* entries_ = nullptr;
    int count_ = 0;
    int capacity_ = 0;
    std::vector<std::unique_ptr<char[]>> nameBlocks_;
    std::size_t nameBlockUsed_ = 0;
};

}  // namespace evenkeeper
