#pragma once
// Windows and timing for the framework's GUI tests: an owner window, a script of actions
// that runs from a thread timer while a modal box waits, and what a test reads back.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace evenkeeper::test {

// A visible top-level window with a caption, at the given screen position and size.
class OwnerWindow {
public:
    OwnerWindow(int x, int y, int width, int height);
    ~OwnerWindow();
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;

    HWND handle() const { return window_; }
    RECT windowRect() const;

private:
    HWND window_;
};

// Runs `action` from a thread timer once the queue has nothing else to do, which is while
// a modal Show waits; the action drives the box by posting messages. Several steps run one
// per tick, each after what the one before caused was handled. A box that is still up about
// five seconds later is closed so that the test fails instead of hanging; stillUp() then
// says so.
class WhenIdle {
public:
    explicit WhenIdle(std::function<void()> action) : WhenIdle(std::vector{std::move(action)}) {}
    explicit WhenIdle(std::vector<std::function<void()>> steps);
    ~WhenIdle();
    WhenIdle(const WhenIdle&) = delete;
    WhenIdle& operator=(const WhenIdle&) = delete;

    // The window to close if it outlives the script.
    void watch(std::function<HWND()> window) { watched_ = std::move(window); }
    bool stillUp() const { return stillUp_; }

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);

    std::vector<std::function<void()>> steps_;
    std::function<HWND()> watched_;
    UINT_PTR timer_;
    int ticks_ = 0;
    bool stillUp_ = false;
};

struct ChildInfo {
    std::string text;
    RECT rect;  // in the parent's client coordinates
    HWND window;
    LONG style;
};

// The parent's child windows in creation order.
std::vector<ChildInfo> childrenOf(HWND parent);
RECT clientRectOf(HWND window);
RECT windowRectOf(HWND window);
int widthOf(const RECT& rect);
int heightOf(const RECT& rect);
// A pixel of the window's client area as painted.
COLORREF pixelAt(HWND window, int x, int y);
void postKey(HWND window, WPARAM key);

// The display font the boxes measure with.
struct DisplayFont {
    DisplayFont();
    int lineHeight;
    int maxCharWidth;
    int aveCharWidth;
    int textWidth(const char* text) const;
};

}  // namespace evenkeeper::test
