#include "app/driver/DrawnLines.h"

#include <cstdint>

#include "app/driver/ScreenText.h"

namespace evenkeeper::driver {
namespace {

constexpr int kNumberWidth = 150;
constexpr int kLabelWidth = 240;

}  // namespace

DrawnLines readDrawnLines(HWND results) {
    DrawnLines drawn;
    HDC context = GetDC(results);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(context, &metrics);
    ReleaseDC(results, context);
    drawn.charWidth = metrics.tmAveCharWidth;
    drawn.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    if (drawn.lineHeight <= 0) return drawn;

    RECT client, button;
    GetClientRect(results, &client);
    GetWindowRect(GetDlgItem(results, IDCANCEL), &button);
    MapWindowPoints(nullptr, results, reinterpret_cast<POINT*>(&button), 2);
    const int width = client.right;
    const Pixels pixels = clientRows(results, 0, client.bottom);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t background =
        std::uint32_t(GetRValue(face)) << 16 | std::uint32_t(GetGValue(face)) << 8 | GetBValue(face);

    const int numberLeft = drawn.charWidth, numberEnd = numberLeft + kNumberWidth;
    const int labelStart = numberEnd + drawn.charWidth, labelEnd = labelStart + kLabelWidth;
    for (int top = drawn.lineHeight; top + drawn.lineHeight <= button.top; top += drawn.lineHeight) {
        DrawnLine line;
        for (int y = top; y < top + drawn.lineHeight; ++y) {
            for (int x = numberLeft; x < labelEnd && x < width; ++x) {
                if (pixels.at(x, y) == background) continue;
                if (x >= numberEnd && x < labelStart) {
                    line.gap = true;
                } else if (x < numberEnd) {
                    line.number = true;
                    if (x + 1 > line.numberRight) line.numberRight = x + 1;
                } else {
                    line.label = true;
                    if (line.labelLeft < 0 || x < line.labelLeft) line.labelLeft = x;
                }
            }
        }
        drawn.lines.push_back(line);
    }
    return drawn;
}

std::string inkPattern(const DrawnLines& drawn) {
    std::string pattern;
    for (const DrawnLine& line : drawn.lines)
        pattern.push_back(line.number && line.label ? '1' : !line.number && !line.label ? '0' : '?');
    return pattern;
}

}  // namespace evenkeeper::driver
