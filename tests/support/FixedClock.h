#pragma once
#include "platform/Clock.h"

namespace evenkeeper::test {

// A clock that always shows the same local time, or cannot convert file times at all, and
// whose milliseconds go forward by a set step each time they are read.
struct FixedClock : Clock {
    LocalTime time{2026, 12, 8, 14, 5, 9};
    bool convertible = true;
    mutable std::uint32_t ticks = 0;
    std::uint32_t ticksPerRead = 0;
    LocalTime now() const override { return time; }
    bool toLocal(std::uint64_t, LocalTime& local) const override {
        local = time;
        return convertible;
    }
    std::uint32_t milliseconds() const override {
        std::uint32_t now = ticks;
        ticks += ticksPerRead;
        return now;
    }
};

}  // namespace evenkeeper::test
