#include "engine/GroupedIndex.h"

namespace evenkeeper {

void GroupedIndex::start(int groupCount) {
    regions_.assign(std::size_t(groupCount), Region{0, 0});
    slots_.clear();
}

// Each group gets at least twice as many slots as ids, a power of two, so that every probe
// meets an empty slot.
void GroupedIndex::allocate() {
    std::uint32_t offset = 0;
    for (Region& region : regions_) {
        std::uint32_t size = 2;
        while (size < region.mask * 2) size *= 2;
        region.offset = offset;
        region.mask = size - 1;
        offset += size;
    }
    slots_.assign(offset, Slot{0, -1});
}

void GroupedIndex::add(int group, std::uint32_t hash, std::int32_t id) {
    const Region& region = regions_[group];
    Slot* slots = slots_.data() + region.offset;
    std::uint32_t i = hash & region.mask;
    while (slots[i].id >= 0) i = (i + 1) & region.mask;
    slots[i] = {hash, id};
}

}  // namespace evenkeeper
