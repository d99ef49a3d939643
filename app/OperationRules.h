#pragma once
// The operation and direction rules of the main dialog's buttons.
#include "engine/SyncOperation.h"

namespace evenkeeper {

// "Top to bottom", "Bottom to top" or "Both ways"; empty for a value out of range.
const char* directionName(Direction direction);
// "Copy", "Move" or "Duplicate": the middle button's label.
const char* operationName(Operation operation);
// The direction after the direction button: Copy and Move go through all three directions,
// Duplicate only through the two one-way ones.
Direction nextDirection(Operation operation, Direction direction);

}  // namespace evenkeeper
