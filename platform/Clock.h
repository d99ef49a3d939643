#pragma once
#include <cstdint>

namespace evenkeeper {

struct LocalTime {
    int year, month, day, hour, minute, second;
};

// The local calendar: today's date for the last-used stamp, file times for display; and
// the time that passes, so that frequent work can be paced.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
    // A file time (100 ns units since 1601, UTC) as local time; false when it cannot be.
    virtual bool toLocal(std::uint64_t fileTime, LocalTime& local) const = 0;
    // Milliseconds since some start, for pacing; it wraps, so only differences count.
    virtual std::uint32_t milliseconds() const = 0;
};

const Clock& systemClock();

}  // namespace evenkeeper
