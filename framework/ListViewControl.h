#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/Control.h"

namespace evenkeeper {

// A report-view list; derived lists handle their notifications and owner-draw requests.
class ListViewControl : public Control {
public:
    ListViewControl() : Control(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, 0) {}

    int Create(HWND parent, int id, const char* text, int x, int y, int width,
               int height) override;

    // format is one of the LVCFMT_ alignments.
    void insertColumn(int column, const char* header, int format, int width);
    int columnWidth(int column);
    // The first selected item, or -1.
    int selectedItem();
};

}  // namespace evenkeeper
