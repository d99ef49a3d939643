#include "framework/Dialog.h"

#include "framework/Control.h"
#include "framework/ModuleInstance.h"

namespace evenkeeper {

INT_PTR CALLBACK DialogRouter(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        Dialog* object = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        object->window_ = dialog;
        return object->DialogProc(message, wParam, lParam);
    }
    Dialog* object = reinterpret_cast<Dialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    return object ? object->DialogProc(message, wParam, lParam) : 0;
}

INT_PTR Dialog::RunModal(HWND owner, int resourceId) {
    return DialogBoxParamA(moduleInstance(), MAKEINTRESOURCEA(resourceId), owner, DialogRouter,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::DefaultHandler(UINT, WPARAM, LPARAM) { return 0; }

INT_PTR Dialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_SIZE: OnSize(wParam, lParam); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    // The system reads this answer from the dialog's message result, not from the return
    // value; left at 0 it would refuse to let the session end.
    case WM_QUERYENDSESSION:
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, OnQueryEndSession());
        return 1;
    case WM_SYSCOLORCHANGE: OnSysColorChange(); return 0;
    case WM_DRAWITEM: return dispatchDrawItem(wParam, lParam);
    case WM_VKEYTOITEM: return OnVKeyToItem(wParam);
    case WM_NOTIFY: return dispatchNotify(wParam, lParam);
    case WM_CONTEXTMENU: OnContextMenu(wParam, lParam); return 0;
    case WM_KEYDOWN: OnKeyDown(wParam, lParam); return 0;
    case WM_KEYUP: OnKeyUp(wParam, lParam); return 0;
    case WM_CHAR: OnChar(wParam, lParam); return 0;
    case WM_SYSKEYDOWN: OnSysKeyDown(wParam, lParam); return 0;
    case WM_SYSKEYUP: OnSysKeyUp(wParam, lParam); return 0;
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: return dispatchCommand(wParam, lParam);
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_HSCROLL: OnHScroll(wParam, lParam); return 0;
    case WM_VSCROLL: OnVScroll(wParam, lParam); return 0;
    case WM_INITMENU: OnInitMenu(); return 0;
    case WM_MENUSELECT: OnMenuSelect(wParam, lParam); return 0;
    case WM_CTLCOLORLISTBOX: return OnCtlColorListBox(wParam, lParam);
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, lParam); return 0;
    case WM_LBUTTONUP: OnLButtonUp(wParam, lParam); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(wParam, lParam); return 0;
    case WM_RBUTTONUP: OnRButtonUp(wParam, lParam); return 0;
    case WM_DROPFILES: OnDropFiles(wParam); return 0;
    default: return DefaultHandler(message, wParam, lParam);
    }
}

INT_PTR Dialog::dispatchCommand(WPARAM wParam, LPARAM lParam) {
    Control* control = Control::fromWindow(reinterpret_cast<HWND>(lParam));
    if (!control || !control->OnReflectedCommand(HIWORD(wParam), LOWORD(wParam)))
        OnCommand(wParam, lParam);
    return 0;
}

INT_PTR Dialog::dispatchDrawItem(WPARAM wParam, LPARAM lParam) {
    const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (Control* control = Control::fromWindow(item.hwndItem))
        control->OnReflectedDrawItem(item);
    else
        OnDrawItem(wParam, lParam);
    return 1;
}

INT_PTR Dialog::dispatchNotify(WPARAM wParam, LPARAM lParam) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (Control* control = Control::fromWindow(header->hwndFrom))
        control->OnReflectedNotify(header);
    else
        OnNotify(wParam, lParam);
    return 1;
}

}  // namespace evenkeeper
