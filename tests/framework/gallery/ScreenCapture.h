#pragma once
#include <windows.h>

namespace evenkeeper::test {

// Saves what the screen shows in the area (screen coordinates) as a 24-bit BMP file.
bool saveScreenArea(const RECT& area, const char* path);

}  // namespace evenkeeper::test
