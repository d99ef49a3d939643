#pragma once
#include <windows.h>

namespace evenkeeper {

// Moves a window, keeping its size, to the middle of its owner's window, or of the
// full-screen area when it has no owner; it never starts left of or above the screen's
// origin.
void CentreOverOwner(HWND window);

}  // namespace evenkeeper
