#pragma once
// The buttons of the box that is up: one box at a time, so the buttons, how many are in
// use, the one that has (or last had) the focus and the buttons' own window procedure are
// shared by every message box and about box.
#include "framework/ButtonControl.h"
#include "framework/layout/BoxButtonLayout.h"

namespace evenkeeper {

struct BoxButtons {
    ButtonControl buttons[kMaxBoxButtons];
    int count = 0;
    int current = 0;
    WNDPROC platformProc = nullptr;

    // Puts ButtonKeyProc in front of the platform's procedure of every button in use.
    void installKeyHandling();
    void focusCurrent() const;
    // Among the buttons in use, or -1.
    int indexOfId(int controlId) const;
    int indexOfWindow(HWND window) const;
    int indexOfMnemonic(char mnemonic) const;
};

BoxButtons& boxButtons();

// The keyboard of the box buttons: Tab and Right move the focus to the next button, Left to
// the one before (both wrap), Enter chooses the focused button and a mnemonic its button.
// The platform's procedure still sees every message, so Space clicks as usual.
LRESULT CALLBACK ButtonKeyProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace evenkeeper
