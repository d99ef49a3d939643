#include "engine/FolderList.h"

#include <cstring>

#include "platform/Utf8Text.h"

namespace evenkeeper {

FolderList::FolderList(const TextCompare& compare, Reallocate reallocate)
    : compare_(compare), reallocate_(reallocate) {}

FolderList::~FolderList() { std::free(slots_); }

bool FolderList::create() {
    std::free(slots_);
    slots_ = nullptr;
    capacity_ = 0;
    lastIndex_ = -1;
    index_.clear();
    return grow(kFirstSlots);
}

bool FolderList::grow(int slots) {
    std::size_t bytes = std::size_t(capacity_ + slots) * kSlotSize;
    void* block = reallocate_(slots_, bytes);
    if (!block) return false;
    slots_ = static_cast<char*>(block);
    std::memset(slots_ + std::size_t(capacity_) * kSlotSize, 0, std::size_t(slots) * kSlotSize);
    capacity_ += slots;
    return true;
}

std::uint64_t FolderList::hashOf(const char* text) const {
    compare_.caseKey(text, key_);
    return CaseIndex::hashKey(key_);
}

int FolderList::findFolder(const char* text) const {
    return index_.find(hashOf(text),
                       [&](int slot) { return compare_.equalNoCase(folderAt(slot), text); });
}

int FolderList::addFolder(const char* text) {
    if (!slots_) return -1;
    int slot = lastIndex_ + 1;
    if (slot == capacity_ && !grow(kGrowth)) return -1;
    char* stored = slots_ + std::size_t(slot) * kSlotSize;
    std::size_t length = utf8FitLength(text, std::strlen(text), kSlotSize - 1);
    std::memcpy(stored, text, length);
    stored[length] = '\0';
    lastIndex_ = slot;
    index_.add(hashOf(stored), slot);
    return slot;
}

int FolderList::internFolder(const char* text) {
    int slot = findFolder(text);
    return slot >= 0 ? slot : addFolder(text);
}

const char* FolderList::folderAt(int index) const {
    if (index < 0 || index >= capacity_) return nullptr;
    return slots_ + std::size_t(index) * kSlotSize;
}

}  // namespace evenkeeper
