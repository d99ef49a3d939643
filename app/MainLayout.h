#pragma once
// Where the status bar and the result list go in the main dialog's client area.
#include "app/MainView.h"

namespace evenkeeper {

constexpr int kListTop = 90;

struct MainLayout {
    Rect statusBar;
    Rect list;
};

// The status bar along the bottom edge at full width; the list from y 90 down to the frame
// above the status bar, its right edge twice the frame thickness short of the client's. A
// window too small for the list gives it no height or width rather than a negative one.
MainLayout layOutMain(Size client, const FrameMetrics& frame);

}  // namespace evenkeeper
