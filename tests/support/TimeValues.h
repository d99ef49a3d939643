#pragma once
#include <cstdint>

namespace evenkeeper::test {

constexpr std::uint64_t kSecond = 10000000;  // file-time units
constexpr std::uint64_t kHour = 3600 * kSecond;
// 1 July 2020 12:00:00 UTC as a file time: an even second, far from any boundary.
constexpr std::uint64_t kBaseTime = 132380208000000000ULL;

}  // namespace evenkeeper::test
