#pragma once
// A popup window of a class that the framework registers itself. WindowRouter hands every
// message of the window to WindowProc, whose standard dispatch calls the handler named after
// the message. A message that the dispatch routes to a handler never reaches DefWindowProcA:
// an OnPaint override validates the window itself, and WM_CLOSE destroys the window only
// through OnClose.
#include <windows.h>

namespace evenkeeper {

class Window {
public:
    Window() = default;
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND handle() const { return window_; }

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Creates the object's window with its styles unless it has one; 1 when it has one.
    int CreateObjectWindow(const char* className, HWND parent, HMENU menu, const char* title,
                           int x, int y, int width, int height);
    // 1 when the window was destroyed, 0 (the handle kept) when it could not be.
    int DestroyObjectWindow();

protected:
    // Registers the class once per process: 1 when registered now, 0 when it was already
    // (or could not be).
    virtual int RegisterWindowClass() = 0;
    // Every message that the standard dispatch does not route to a handler; nonzero when it
    // dealt with the message, so that DefWindowProcA is not called.
    virtual int DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnAfterDestroy() {}
    // Last words: after OnDestroy, and when Windows is about to end.
    virtual int OnShutdown() { return 0; }
    virtual void OnChar(WPARAM, LPARAM) {}
    virtual void OnClose();
    virtual void OnCommand(WPARAM, LPARAM) {}
    virtual void OnContextMenu(WPARAM, LPARAM) {}
    // Nonzero lets creation go on; the default makes it fail.
    virtual int OnCreate() { return 0; }
    virtual LRESULT OnCtlColorListBox(WPARAM, LPARAM) { return 0; }
    virtual void OnDestroy() {}
    virtual void OnDrawItem(WPARAM, LPARAM) {}
    virtual void OnDropFiles(WPARAM) {}
    // wParam nonzero: Windows is about to end.
    virtual void OnEndSession(WPARAM, LPARAM) {}
    virtual void OnHScroll(WPARAM, LPARAM) {}
    virtual void OnInitMenu(WPARAM) {}
    virtual void OnKeyDown(WPARAM, LPARAM) {}
    virtual void OnKeyUp(WPARAM, LPARAM) {}
    virtual void OnKillFocus() {}
    virtual void OnLButtonDblClk(WPARAM, LPARAM) {}
    virtual void OnLButtonDown(WPARAM, LPARAM) {}
    virtual void OnLButtonUp(WPARAM, LPARAM) {}
    virtual int OnMenuSelect(WPARAM, LPARAM) { return 0; }
    virtual void OnMouseMove(WPARAM, LPARAM) {}
    virtual void OnMouseWheel(WPARAM, LPARAM) {}
    // Only for notifications from controls without an object.
    virtual void OnNotify(WPARAM, LPARAM) {}
    virtual void OnPaint();
    virtual int OnQueryEndSession() { return 1; }
    virtual void OnRButtonDown(WPARAM, LPARAM) {}
    virtual void OnRButtonUp(WPARAM, LPARAM) {}
    virtual void OnSetFocus() {}
    virtual void OnSize(WPARAM, LPARAM) {}
    virtual void OnSysColorChange() {}
    // The platform's own processing of the command follows.
    virtual void OnSysCommand() {}
    virtual void OnSysKeyDown(WPARAM, LPARAM) {}
    virtual void OnSysKeyUp(WPARAM, LPARAM) {}
    virtual void OnTimer(WPARAM) {}
    virtual int OnVKeyToItem(WPARAM) { return -1; }
    virtual void OnVScroll(WPARAM, LPARAM) {}

    DWORD style_ = 0;
    DWORD extendedStyle_ = 0;

private:
    friend LRESULT CALLBACK WindowRouter(HWND, UINT, WPARAM, LPARAM);

    LRESULT dispatchNotify(WPARAM wParam, LPARAM lParam);
    LRESULT dispatchOther(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

// The window procedure of every class the framework registers; CreateObjectWindow passes
// the object as the creation parameter.
LRESULT CALLBACK WindowRouter(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// RegisterClassA of a class description, once per process: `registered` is that class's flag.
int registerClassOnce(bool& registered, const WNDCLASSA& description);

}  // namespace evenkeeper
