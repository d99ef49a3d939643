#include "app/driver/ScreenText.h"

namespace evenkeeper::driver {
namespace {

// A 32-bit top-down bitmap selected into a memory context for the life of the object.
class Canvas {
public:
    Canvas(int width, int height) : screen_(GetDC(nullptr)), memory_(CreateCompatibleDC(screen_)) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(memory_, bitmap_);
        pixels_.width = width;
        pixels_.height = height;
    }
    ~Canvas() {
        SelectObject(memory_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(memory_);
        ReleaseDC(nullptr, screen_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC screen() const { return screen_; }
    HDC context() const { return memory_; }
    Pixels pixels() {
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits_);
        pixels_.data.assign(first, first + std::size_t(pixels_.width) * pixels_.height);
        for (std::uint32_t& pixel : pixels_.data) pixel &= 0xFFFFFF;
        return pixels_;
    }

private:
    HDC screen_;
    HDC memory_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
    Pixels pixels_;
};

}  // namespace

Pixels clientRows(HWND window, int top, int rows) {
    RECT client = {};
    GetClientRect(window, &client);
    POINT origin = {0, top};
    ClientToScreen(window, &origin);
    Canvas canvas(client.right, rows);
    BitBlt(canvas.context(), 0, 0, client.right, rows, canvas.screen(), origin.x, origin.y, SRCCOPY);
    return canvas.pixels();
}

Pixels drawnLine(const std::string& line, COLORREF text, COLORREF background) {
    SIZE extent = {};
    {
        Canvas measure(1, 1);
        GetTextExtentPoint32A(measure.context(), line.c_str(), int(line.size()), &extent);
    }
    Canvas canvas(extent.cx, extent.cy);
    SetTextColor(canvas.context(), text);
    SetBkColor(canvas.context(), background);
    SetBkMode(canvas.context(), OPAQUE);
    TextOutA(canvas.context(), 0, 0, line.c_str(), int(line.size()));
    return canvas.pixels();
}

bool holdsAt(const Pixels& shown, const Pixels& drawn, int top) {
    if (drawn.width == 0 || top < 0 || top + drawn.height > shown.height) return false;
    for (int left = 0; left + drawn.width <= shown.width; ++left) {
        bool same = true;
        for (int y = 0; same && y < drawn.height; ++y)
            for (int x = 0; same && x < drawn.width; ++x)
                same = shown.at(left + x, top + y) == drawn.at(x, y);
        if (same) return true;
    }
    return false;
}

int defaultLineHeight() {
    HDC display = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(display, &metrics);
    DeleteDC(display);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

}  // namespace evenkeeper::driver
