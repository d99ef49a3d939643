#pragma once
// The operation and direction rules of the main dialog's buttons.

namespace evenkeeper {

// "Top to bottom", "Bottom to top" or "Both ways"; empty for a value out of range.
const char* directionName(int direction);
// "Copy", "Move" or "Duplicate": the middle button's label.
const char* operationName(int operation);
// The direction after the direction button: Copy and Move go through all three directions,
// Duplicate only through the two one-way ones.
int nextDirection(int operation, int direction);

}  // namespace evenkeeper
