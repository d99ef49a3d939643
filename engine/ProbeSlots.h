#pragma once
// The lookup of an open-addressing table with linear probing: slots hold a hash and an id,
// an id below 0 marks an empty slot, and the table's size is mask + 1, a power of two.
#include <cstddef>
#include <cstdint>

namespace evenkeeper {

// The first id met under hash for which matches(id) holds, or -1 at the first empty slot.
template <class Slot, class Hash, class Matches>
std::int32_t probeSlots(const Slot* slots, std::size_t mask, Hash hash, Matches matches) {
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots[i];
        if (slot.id < 0) return -1;
        if (slot.hash == hash && matches(slot.id)) return slot.id;
    }
}

}  // namespace evenkeeper
