#include "app/driver/DrawnLines.h"

#include <cstdint>

namespace evenkeeper::driver {
namespace {

constexpr int kNumberWidth = 150;
constexpr int kLabelWidth = 240;

// The client area as it is on the screen, one 0x00RRGGBB value per pixel, top row first.
std::vector<std::uint32_t> clientPixels(HWND window, int width, int height) {
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* read = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = read[i] & 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

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
    const int width = client.right, height = client.bottom;
    const std::vector<std::uint32_t> pixels = clientPixels(results, width, height);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t background =
        std::uint32_t(GetRValue(face)) << 16 | std::uint32_t(GetGValue(face)) << 8 | GetBValue(face);

    const int numberLeft = drawn.charWidth, numberEnd = numberLeft + kNumberWidth;
    const int labelStart = numberEnd + drawn.charWidth, labelEnd = labelStart + kLabelWidth;
    for (int top = drawn.lineHeight; top + drawn.lineHeight <= button.top; top += drawn.lineHeight) {
        DrawnLine line;
        for (int y = top; y < top + drawn.lineHeight; ++y) {
            for (int x = numberLeft; x < labelEnd && x < width; ++x) {
                if (pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] == background) continue;
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
