#pragma once
#include "platform/Clock.h"

namespace evenkeeper::test {

// A clock that always shows the same local time, or cannot convert file times at all.
struct FixedClock : Clock {
    LocalTime time{2026, 12, 8, 14, 5, 9};
    bool convertible = true;
    LocalTime now() const override { return time; }
    bool toLocal(std::uint64_t, LocalTime& local) const override {
        local = time;
        return convertible;
    }
};

}  // namespace evenkeeper::test
