#include "app/driver/AboutBoxLines.h"

#include "app/driver/ScreenText.h"
#include "framework/layout/BoxGeometry.h"

namespace evenkeeper::driver {
namespace {

constexpr COLORREF kBoxBackground = 0xC0C0C0;

// What the screen shows of line `index` of the box's text.
Pixels shownLine(HWND box, int index) {
    const int lineHeight = defaultLineHeight();
    return clientRows(box, aboutFirstLineTop(lineHeight) + index * lineHeight, lineHeight);
}

}  // namespace

bool aboutLineShows(HWND box, int index, const std::string& text) {
    return holdsAt(shownLine(box, index), drawnLine(text, 0, kBoxBackground), 0);
}

bool aboutLineBlank(HWND box, int index) {
    const Pixels shown = shownLine(box, index);
    for (int y = 0; y < shown.height; ++y)
        for (int x = shown.width / 4; x < shown.width * 3 / 4; ++x)
            if (shown.at(x, y) != kBoxBackground) return false;
    return shown.height > 0;
}

}  // namespace evenkeeper::driver
