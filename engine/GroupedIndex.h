#pragma once
// A hash index of ids in groups (the other scan's entries by folder), each group with a small
// table of its own, the tables one after the other in one block. A plan looks its entries up
// folder by folder, so the lookups of one folder stay within a few cache lines rather than
// falling anywhere in a table the size of the whole scan. As in CaseIndex, each candidate is
// confirmed by the caller's comparison, and equal hashes are met in the order they were added.
#include <cstdint>
#include <vector>

#include "engine/ProbeSlots.h"

namespace evenkeeper {

class GroupedIndex {
public:
    // Starts an empty index of groups 0 .. groupCount - 1; count each id to come, then
    // allocate, then add.
    void start(int groupCount);
    void count(int group) { ++regions_[group].mask; }
    void allocate();
    void add(int group, std::uint32_t hash, std::int32_t id);

    // The first id added to group under hash for which matches(id) holds, or -1.
    template <class Matches>
    std::int32_t find(int group, std::uint32_t hash, Matches matches) const {
        const Region& region = regions_[group];
        return probeSlots(slots_.data() + region.offset, region.mask, hash, matches);
    }

private:
    struct Slot {
        std::uint32_t hash;
        std::int32_t id;
    };
    struct Region {
        std::uint32_t offset;
        std::uint32_t mask;  // before allocate: the number of ids counted
    };

    std::vector<Region> regions_;
    std::vector<Slot> slots_;
};

}  // namespace evenkeeper
