#include "framework/ButtonControl.h"

#include "framework/layout/Mnemonic.h"

namespace evenkeeper {

int ButtonControl::Create(HWND parent, int id, const char* text, int x, int y, int width,
                          int height) {
    mnemonic_ = mnemonicOf(text);
    return attachOrCreate("BUTTON", parent, id, text, x, y, width, height);
}

int ButtonControl::OnReflectedCommand(int notificationCode, int controlId) {
    return notificationCode == BN_CLICKED ? callCallback(controlId) : 0;
}

}  // namespace evenkeeper
