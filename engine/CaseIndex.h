#pragma once
// A hash index of ids under the hash of a case key. Lookups confirm each candidate with the
// caller's own comparison, so a hash collision never joins two different names, and
// candidates with the same hash are met in the order they were added.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/ProbeSlots.h"

namespace evenkeeper {

class CaseIndex {
public:
    static std::uint64_t hashKey(const std::string& key);

    void clear();
    void reserve(std::size_t count);
    void add(std::uint64_t hash, std::int32_t id);

    // The first id added under hash for which matches(id) holds, or -1.
    template <class Matches>
    std::int32_t find(std::uint64_t hash, Matches matches) const {
        return slots_.empty() ? -1 : probeSlots(slots_.data(), mask_, hash, matches);
    }

private:
    struct Slot {
        std::uint64_t hash;
        std::int32_t id;
    };
    void rehash(std::size_t slotCount);

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    std::size_t used_ = 0;
};

}  // namespace evenkeeper
