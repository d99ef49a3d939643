#include "engine/CaseIndex.h"

#include <functional>
#include <string_view>

namespace evenkeeper {

std::uint64_t CaseIndex::hashKey(const std::string& key) {
    std::uint64_t h = std::hash<std::string_view>()(key);
    h ^= 0x9E3779B97F4A7C15ULL;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ULL;
    return h ^ (h >> 32);
}

void CaseIndex::clear() {
    slots_.clear();
    mask_ = 0;
    used_ = 0;
}

void CaseIndex::reserve(std::size_t count) {
    std::size_t slotCount = 16;
    while (slotCount < count * 2) slotCount *= 2;
    if (slotCount > slots_.size()) rehash(slotCount);
}

void CaseIndex::add(std::uint64_t hash, std::int32_t id) {
    if ((used_ + 1) * 2 > slots_.size()) rehash(slots_.empty() ? 16 : slots_.size() * 2);
    std::size_t i = hash & mask_;
    while (slots_[i].id >= 0) i = (i + 1) & mask_;
    slots_[i] = {hash, id};
    ++used_;
}

// Reinserting in slot order keeps the probe order of equal hashes, since a later addition
// always sits further along the probe sequence than an earlier one with the same home.
void CaseIndex::rehash(std::size_t slotCount) {
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.assign(slotCount, Slot{0, -1});
    mask_ = slotCount - 1;
    used_ = 0;
    if (old.empty()) return;
    // Start at a gap so that no probe run is split across the wrap-around.
    std::size_t start = 0;
    while (old[start].id >= 0) ++start;
    for (std::size_t n = 0; n < old.size(); ++n) {
        const Slot& slot = old[(start + n) % old.size()];
        if (slot.id >= 0) add(slot.hash, slot.id);
    }
}

}  // namespace evenkeeper
