#pragma once
// One stored sync job: the two folders, what to do, which way, how deep, and when it last ran.
#include <cstdint>

namespace evenkeeper {

enum Operation : std::int32_t { kCopy = 0, kMove = 1, kDuplicate = 2 };
enum Direction : std::int32_t { kTopToBottom = 0, kBottomToTop = 1, kBothWays = 2 };

constexpr int kMaxLevels = 16;

struct SyncOperation {
    char topFolder[280] = {};
    char bottomFolder[280] = {};
    Operation operation = kCopy;
    Direction direction = kTopToBottom;
    std::int32_t levels = kMaxLevels;
    char lastUsed[16] = "not used";
};

}  // namespace evenkeeper
