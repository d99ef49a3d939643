#pragma once
#include "framework/Control.h"

namespace evenkeeper {

// A multi-line edit field; losing the focus reaches the callback when one is set.
class EditControl : public Control {
public:
    EditControl()
        : Control(WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                      ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
                  WS_EX_CLIENTEDGE) {}

    // Attached or created, the field then shows the text.
    int Create(HWND parent, int id, const char* text, int x, int y, int width,
               int height) override;
    int OnReflectedCommand(int notificationCode, int controlId) override;
};

}  // namespace evenkeeper
