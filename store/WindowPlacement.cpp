#include "store/WindowPlacement.h"

namespace evenkeeper {

bool restoreWindowPlacement(const WindowPlacement& placement, MainWindowView& view) {
    // A hidden main window could be neither seen nor closed.
    if (placement.length == kNoPlacement || placement.showCmd == kShowHidden) return false;
    const PlacementRect& normal = placement.normal;
    if (std::int64_t(normal.right) - normal.left < kSmallestWindow.right ||
        std::int64_t(normal.bottom) - normal.top < kSmallestWindow.bottom)
        return false;
    ScreenMetrics screen = view.screenMetrics();
    if (placement.normal.left > std::int64_t(screen.screenWidth) - screen.iconWidth) return false;
    if (placement.normal.top > std::int64_t(screen.screenHeight) - screen.iconHeight) return false;
    view.setWindowPlacement(placement);
    return true;
}

}  // namespace evenkeeper
