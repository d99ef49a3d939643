#pragma once
// The main window's placement as the program settings keep it, the view of the main window
// that reads and applies it, and the checks before a stored placement is applied.
#include <cstdint>

namespace evenkeeper {

constexpr std::int32_t kNoPlacement = -1;
constexpr std::uint32_t kShowHidden = 0;  // SW_HIDE

struct PlacementRect {
    std::int32_t left, top, right, bottom;
};

struct WindowPlacement {
    std::int32_t length = kNoPlacement;  // the record's size once a placement was read
    std::uint32_t flags = 0;             // WPF_ bits
    std::uint32_t showCmd = 0;           // SW_ value
    PlacementRect normal = {};           // the normal-position rectangle
};

// Below this the main window shows little more than its caption: no buttons, no list rows.
constexpr PlacementRect kSmallestWindow = {0, 0, 240, 160};

struct ScreenMetrics {
    std::int32_t screenWidth, screenHeight;  // the primary screen
    std::int32_t iconWidth, iconHeight;
};

class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    // The pixel widths of the result list's columns Name, Size, Modified and Path.
    virtual void columnWidths(std::int32_t widths[4]) = 0;
    // Flags, show state and normal rectangle of the main window; zeros when the platform
    // cannot tell.
    virtual void getWindowPlacement(WindowPlacement& placement) = 0;
    // Applies flags, show state and normal rectangle, with zero minimised and maximised
    // positions.
    virtual void setWindowPlacement(const WindowPlacement& placement) = 0;
    virtual ScreenMetrics screenMetrics() = 0;
};

// Applies a stored placement whose left and top edges lie at least an icon's size inside the
// primary screen (negative edges pass); true when it was applied. A placement that was never
// read, that would hide the window, or whose normal size is negative or smaller than
// kSmallestWindow is not applied: the window keeps the dialog's own size.
bool restoreWindowPlacement(const WindowPlacement& placement, MainWindowView& view);

}  // namespace evenkeeper
