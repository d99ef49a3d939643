#include "framework/BoxButtons.h"

namespace evenkeeper {
namespace {

void chooseButton(HWND box, const ButtonControl& button) {
    SendMessageA(box, WM_COMMAND, MAKEWPARAM(button.id(), 0), 0);
}

}  // namespace

BoxButtons& boxButtons() {
    static BoxButtons shared;
    return shared;
}

void BoxButtons::installKeyHandling() {
    platformProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(buttons[0].handle(), GWLP_WNDPROC));
    for (int i = 0; i < count; ++i) {
        SetWindowLongPtrA(buttons[i].handle(), GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(ButtonKeyProc));
    }
}

void BoxButtons::focusCurrent() const { SetFocus(buttons[current].handle()); }

int BoxButtons::indexOfId(int controlId) const {
    for (int i = 0; i < count; ++i)
        if (buttons[i].id() == controlId) return i;
    return -1;
}

int BoxButtons::indexOfWindow(HWND window) const {
    for (int i = 0; i < count; ++i)
        if (window && buttons[i].handle() == window) return i;
    return -1;
}

int BoxButtons::indexOfMnemonic(char mnemonic) const {
    for (int i = 0; i < count; ++i)
        if (buttons[i].mnemonic() == mnemonic) return i;
    return -1;
}

LRESULT CALLBACK ButtonKeyProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    BoxButtons& shared = boxButtons();
    const int focused = shared.indexOfWindow(GetFocus());
    if (focused >= 0) shared.current = focused;
    if (message == WM_KEYDOWN) {
        switch (wParam) {
        case VK_TAB:
        case VK_RIGHT:
            shared.current = nextButton(shared.current, shared.count);
            shared.focusCurrent();
            break;
        case VK_LEFT:
            shared.current = previousButton(shared.current, shared.count);
            shared.focusCurrent();
            break;
        case VK_RETURN: chooseButton(GetParent(button), shared.buttons[shared.current]); break;
        default: {
            const int matching = shared.indexOfMnemonic(static_cast<char>(LOBYTE(wParam)));
            if (matching >= 0) chooseButton(GetParent(button), shared.buttons[matching]);
        }
        }
    }
    return CallWindowProcA(shared.platformProc, button, message, wParam, lParam);
}

}  // namespace evenkeeper
