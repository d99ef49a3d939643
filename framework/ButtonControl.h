#pragma once
#include "framework/Control.h"

namespace evenkeeper {

// A push button (or an owner-drawn one); a click reaches the callback when one is set.
class ButtonControl : public Control {
public:
    ButtonControl() : Control(WS_CHILD | WS_VISIBLE, 0) {}

    int Create(HWND parent, int id, const char* text, int x, int y, int width,
               int height) override;
    int OnReflectedCommand(int notificationCode, int controlId) override;

    // The character after the first "&" of the text it was made with, or 0.
    char mnemonic() const { return mnemonic_; }

private:
    char mnemonic_ = 0;
};

}  // namespace evenkeeper
