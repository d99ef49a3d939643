#pragma once
// A modal dialog made from a dialog resource. DialogRouter hands every message of the
// dialog to DialogProc, whose standard dispatch calls the handler named after the message;
// each handler's default is harmless, so a dialog overrides only what it needs. A result of
// 0 lets the dialog manager's own processing follow.
#include <windows.h>

namespace evenkeeper {

class Dialog {
public:
    Dialog() = default;
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND handle() const { return window_; }

    // Runs the dialog made from the program's dialog resource modally over owner (null for
    // none); the value it ended with, or -1 when it could not be made.
    INT_PTR RunModal(HWND owner, int resourceId);

    virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Every message that the standard dispatch does not route to a handler.
    virtual INT_PTR DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnChar(WPARAM, LPARAM) {}
    // Menu and accelerator commands come with lParam 0; a control's command arrives here
    // when its object did not deal with it, with wParam and lParam as sent.
    virtual void OnCommand(WPARAM, LPARAM) {}
    virtual void OnContextMenu(WPARAM, LPARAM) {}
    // Nonzero lets creation go on.
    virtual int OnCreate() { return 0; }
    virtual INT_PTR OnCtlColorListBox(WPARAM, LPARAM) { return 0; }
    virtual void OnDestroy() {}
    // Only for items whose control has no object.
    virtual void OnDrawItem(WPARAM, LPARAM) {}
    virtual void OnDropFiles(WPARAM) {}
    virtual void OnHScroll(WPARAM, LPARAM) {}
    // Nonzero lets the dialog manager give the focus to the first control.
    virtual INT_PTR OnInitDialog() { return 1; }
    virtual void OnInitMenu() {}
    virtual void OnKeyDown(WPARAM, LPARAM) {}
    virtual void OnKeyUp(WPARAM, LPARAM) {}
    virtual void OnKillFocus() {}
    virtual void OnLButtonDown(WPARAM, LPARAM) {}
    virtual void OnLButtonUp(WPARAM, LPARAM) {}
    virtual int OnMenuSelect(WPARAM, LPARAM) { return 0; }
    virtual void OnMouseMove(WPARAM, LPARAM) {}
    // Only for notifications from controls without an object.
    virtual void OnNotify(WPARAM, LPARAM) {}
    virtual void OnPaint() {}
    virtual int OnQueryEndSession() { return 1; }
    virtual void OnRButtonDown(WPARAM, LPARAM) {}
    virtual void OnRButtonUp(WPARAM, LPARAM) {}
    virtual void OnSetFocus() {}
    virtual void OnSize(WPARAM, LPARAM) {}
    virtual void OnSysColorChange() {}
    virtual void OnSysKeyDown(WPARAM, LPARAM) {}
    virtual void OnSysKeyUp(WPARAM, LPARAM) {}
    virtual void OnTimer(WPARAM) {}
    virtual int OnVKeyToItem(WPARAM) { return -1; }
    virtual void OnVScroll(WPARAM, LPARAM) {}

private:
    friend INT_PTR CALLBACK DialogRouter(HWND, UINT, WPARAM, LPARAM);

    INT_PTR dispatchCommand(WPARAM wParam, LPARAM lParam);
    INT_PTR dispatchDrawItem(WPARAM wParam, LPARAM lParam);
    INT_PTR dispatchNotify(WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

// The dialog procedure of every dialog: run a dialog with DialogBoxParamA and the Dialog
// object as the last argument. Messages before WM_INITDIALOG are answered 0.
INT_PTR CALLBACK DialogRouter(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace evenkeeper
