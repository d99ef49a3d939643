#include <ctime>

#include "platform/Clock.h"

namespace evenkeeper {
namespace {

constexpr std::uint64_t kUnixEpochInFileTime = 116444736000000000ULL;

bool fromSeconds(std::time_t seconds, LocalTime& local) {
    std::tm parts;
    if (!localtime_r(&seconds, &parts)) return false;
    local = {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
             parts.tm_hour,        parts.tm_min,     parts.tm_sec};
    return true;
}

class PosixClock : public Clock {
public:
    LocalTime now() const override {
        LocalTime local{};
        fromSeconds(std::time(nullptr), local);
        return local;
    }
    bool toLocal(std::uint64_t fileTime, LocalTime& local) const override {
        if (fileTime < kUnixEpochInFileTime) return false;
        return fromSeconds(std::time_t((fileTime - kUnixEpochInFileTime) / 10000000), local);
    }
    std::uint32_t milliseconds() const override {
        timespec now;
        clock_gettime(CLOCK_MONOTONIC, &now);
        return std::uint32_t(std::uint64_t(now.tv_sec) * 1000 + std::uint64_t(now.tv_nsec) / 1000000);
    }
};

}  // namespace

const Clock& systemClock() {
    static PosixClock clock;
    return clock;
}

}  // namespace evenkeeper
