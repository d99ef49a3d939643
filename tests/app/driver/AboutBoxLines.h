#pragma once
// The lines of the program's about box as the screen shows them.
#include <windows.h>

#include <string>

namespace evenkeeper::driver {

// Whether line `index` of the box's text shows exactly `text`, black on the box's grey.
bool aboutLineShows(HWND box, int index, const std::string& text);
// Whether line `index` of the box's text is empty: only the box's grey across its middle.
bool aboutLineBlank(HWND box, int index);

}  // namespace evenkeeper::driver
