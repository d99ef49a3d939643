#include "framework/gui/GuiTestSupport.h"

#include <map>

namespace evenkeeper::test {
namespace {

// Ticks of WhenIdle's timer after its action before a box that is still up is closed.
constexpr int kGiveUpTicks = 500;
constexpr UINT kTickMilliseconds = 10;

std::map<UINT_PTR, WhenIdle*>& scripts() {
    static std::map<UINT_PTR, WhenIdle*> byTimer;
    return byTimer;
}

}  // namespace

OwnerWindow::OwnerWindow(int x, int y, int width, int height)
    : window_(CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y,
                              width, height, nullptr, nullptr, GetModuleHandleA(nullptr),
                              nullptr)) {}

OwnerWindow::~OwnerWindow() { DestroyWindow(window_); }

RECT OwnerWindow::windowRect() const { return windowRectOf(window_); }

WhenIdle::WhenIdle(std::vector<std::function<void()>> steps)
    : steps_(std::move(steps)), timer_(SetTimer(nullptr, 0, kTickMilliseconds, tick)) {
    scripts()[timer_] = this;
}

WhenIdle::~WhenIdle() {
    KillTimer(nullptr, timer_);
    scripts().erase(timer_);
}

void CALLBACK WhenIdle::tick(HWND, UINT, UINT_PTR timer, DWORD) {
    auto found = scripts().find(timer);
    if (found == scripts().end()) return;
    WhenIdle& script = *found->second;
    const size_t step = script.ticks_++;
    if (step < script.steps_.size()) {
        script.steps_[step]();
        return;
    }
    if (script.ticks_ < kGiveUpTicks || !script.watched_) return;
    KillTimer(nullptr, timer);
    if (HWND window = script.watched_()) {
        script.stillUp_ = true;
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
}

std::vector<ChildInfo> childrenOf(HWND parent) {
    std::vector<ChildInfo> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char text[64] = {};
        GetWindowTextA(child, text, sizeof text);
        RECT rect = windowRectOf(child);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        children.push_back({text, rect, child, GetWindowLongA(child, GWL_STYLE)});
    }
    return children;
}

RECT clientRectOf(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    return rect;
}

RECT windowRectOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

int widthOf(const RECT& rect) { return rect.right - rect.left; }
int heightOf(const RECT& rect) { return rect.bottom - rect.top; }

COLORREF pixelAt(HWND window, int x, int y) {
    HDC context = GetDC(window);
    const COLORREF colour = GetPixel(context, x, y);
    ReleaseDC(window, context);
    return colour;
}

void postKey(HWND window, WPARAM key) { PostMessageA(window, WM_KEYDOWN, key, 1); }

DisplayFont::DisplayFont() {
    HDC context = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(context, &metrics);
    DeleteDC(context);
    lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    maxCharWidth = metrics.tmMaxCharWidth;
    aveCharWidth = metrics.tmAveCharWidth;
}

int DisplayFont::textWidth(const char* text) const {
    HDC context = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    SIZE extent = {};
    GetTextExtentPoint32A(context, text, lstrlenA(text), &extent);
    DeleteDC(context);
    return extent.cx;
}

}  // namespace evenkeeper::test
