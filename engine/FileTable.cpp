#include "engine/FileTable.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace evenkeeper {
namespace {
constexpr std::size_t kNameBlockSize = 64 * 1024;
}

FileTable::FileTable(Reallocate reallocate) : reallocate_(reallocate) {}

FileTable::~FileTable() { std::free(entries_); }

bool FileTable::reset() {
    count_ = 0;
    if (nameBlocks_.size() > 1) nameBlocks_.resize(1);
    nameBlockUsed_ = 0;
    if (!entries_) grow();
    return hasMemory();
}

bool FileTable::grow() {
    std::size_t newCapacity = std::size_t(capacity_) + kGrowth;
    void* block = reallocate_(entries_, newCapacity * sizeof(FileEntry));
    if (!block) return false;
    entries_ = static_cast<FileEntry*>(block);
    std::memset(static_cast<void*>(entries_ + capacity_), 0, kGrowth * sizeof(FileEntry));
    capacity_ = int(newCapacity);
    return true;
}

FileEntry* FileTable::append(const char* name) {
    const char* stored = storeName(name);
    if (!stored) return nullptr;
    FileEntry& entry = entries_[count_++];
    entry.name = stored;
    return &entry;
}

// Names are packed into large blocks instead of one allocation each.
const char* FileTable::storeName(const char* name) {
    std::size_t length = std::strlen(name) + 1;
    if (nameBlocks_.empty() || nameBlockUsed_ + length > kNameBlockSize) {
        char* block = new (std::nothrow) char[kNameBlockSize];
        if (!block) return nullptr;
        nameBlocks_.emplace_back(block);
        nameBlockUsed_ = 0;
    }
    char* stored = nameBlocks_.back().get() + nameBlockUsed_;
    std::memcpy(stored, name, length);
    nameBlockUsed_ += length;
    return stored;
}

}  // namespace evenkeeper
