#pragma once
// Reading drawn text off the screen, as a person reads it: a line is drawn the way a window
// paints it with its default font and looked for among the pixels that another process's
// window shows.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace evenkeeper::driver {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> data;  // top row first, 0x00RRGGBB

    std::uint32_t at(int x, int y) const { return data[std::size_t(y) * width + x]; }
};

// What the screen shows of a window's client area, from row top down, rows rows.
Pixels clientRows(HWND window, int top, int rows);
// A line drawn with the display's default font, its background filled.
Pixels drawnLine(const std::string& line, COLORREF text, COLORREF background);
// Whether shown holds drawn with its top row at top, at any column.
bool holdsAt(const Pixels& shown, const Pixels& drawn, int top);
// The height of a line of the display's default font, as the boxes lay out their lines.
int defaultLineHeight();

}  // namespace evenkeeper::driver
