#include <windows.h>

#include "platform/Clock.h"

namespace evenkeeper {
namespace {

LocalTime fromSystemTime(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

class Win32Clock : public Clock {
public:
    LocalTime now() const override {
        SYSTEMTIME time;
        GetLocalTime(&time);
        return fromSystemTime(time);
    }
    bool toLocal(std::uint64_t fileTime, LocalTime& local) const override {
        FILETIME utc = {DWORD(fileTime), DWORD(fileTime >> 32)};
        FILETIME localTime;
        SYSTEMTIME time;
        if (!FileTimeToLocalFileTime(&utc, &localTime) || !FileTimeToSystemTime(&localTime, &time))
            return false;
        local = fromSystemTime(time);
        return true;
    }
    std::uint32_t milliseconds() const override { return GetTickCount(); }
};

}  // namespace

const Clock& systemClock() {
    static Win32Clock clock;
    return clock;
}

}  // namespace evenkeeper
