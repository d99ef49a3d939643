#pragma once
#include <cstdint>

namespace evenkeeper {

constexpr std::uint64_t kUnknownSpace = ~0ULL;

// The bytes free for this user on the drive of folder, and the drive's size in total when
// asked for; kUnknownSpace when the drive cannot be queried (no medium, no answer).
std::uint64_t freeSpace(const char* folder, std::uint64_t* total);

}  // namespace evenkeeper
