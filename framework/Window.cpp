#include "framework/Window.h"

#include "framework/Control.h"
#include "framework/ModuleInstance.h"

namespace evenkeeper {

LRESULT CALLBACK WindowRouter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* object =
            static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        if (object) object->window_ = window;
    }
    auto* object = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!object) return DefWindowProcA(window, message, wParam, lParam);
    const LRESULT result = object->WindowProc(message, wParam, lParam);
    // However the window went (its owner's end, say), the object must not keep its handle,
    // or it would never make a new window.
    if (message == WM_NCDESTROY && object->window_ == window) object->window_ = nullptr;
    return result;
}

int registerClassOnce(bool& registered, const WNDCLASSA& description) {
    if (registered) return 0;
    registered = RegisterClassA(&description) != 0;
    return registered ? 1 : 0;
}

int Window::CreateObjectWindow(const char* className, HWND parent, HMENU menu,
                               const char* title, int x, int y, int width, int height) {
    if (!window_) {
        window_ = CreateWindowExA(extendedStyle_, className, title, style_, x, y, width, height,
                                  parent, menu, moduleInstance(), this);
    }
    return window_ ? 1 : 0;
}

int Window::DestroyObjectWindow() {
    if (!DestroyWindow(window_)) return 0;
    window_ = nullptr;
    return 1;
}

int Window::DefaultHandler(UINT, WPARAM, LPARAM) { return 0; }

void Window::OnClose() { DestroyObjectWindow(); }

void Window::OnPaint() {
    PAINTSTRUCT paint;
    BeginPaint(window_, &paint);
    EndPaint(window_, &paint);
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_DESTROY:
        OnDestroy();
        OnShutdown();
        OnAfterDestroy();
        return 0;
    case WM_SIZE: OnSize(wParam, lParam); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_QUERYENDSESSION: return OnQueryEndSession();
    case WM_SYSCOLORCHANGE: OnSysColorChange(); return 0;
    case WM_ENDSESSION:
        OnEndSession(wParam, lParam);
        if (wParam) OnShutdown();
        return 0;
    case WM_DRAWITEM: OnDrawItem(wParam, lParam); return 1;
    case WM_VKEYTOITEM: return OnVKeyToItem(wParam);
    case WM_NOTIFY: return dispatchNotify(wParam, lParam);
    case WM_CONTEXTMENU: OnContextMenu(wParam, lParam); return 0;
    case WM_KEYDOWN: OnKeyDown(wParam, lParam); return 0;
    case WM_KEYUP: OnKeyUp(wParam, lParam); return 0;
    case WM_CHAR: OnChar(wParam, lParam); return 0;
    case WM_SYSKEYDOWN: OnSysKeyDown(wParam, lParam); return 0;
    case WM_SYSKEYUP: OnSysKeyUp(wParam, lParam); return 0;
    case WM_COMMAND: OnCommand(wParam, lParam); return 0;
    case WM_SYSCOMMAND: OnSysCommand(); return dispatchOther(message, wParam, lParam);
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_HSCROLL: OnHScroll(wParam, lParam); return 0;
    case WM_VSCROLL: OnVScroll(wParam, lParam); return 0;
    case WM_INITMENU: OnInitMenu(wParam); return 0;
    case WM_MENUSELECT: OnMenuSelect(wParam, lParam); return 0;
    case WM_CTLCOLORLISTBOX: return OnCtlColorListBox(wParam, lParam);
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, lParam); return 0;
    case WM_LBUTTONUP: OnLButtonUp(wParam, lParam); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(wParam, lParam); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(wParam, lParam); return 0;
    case WM_RBUTTONUP: OnRButtonUp(wParam, lParam); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(wParam, lParam); return 0;
    case WM_DROPFILES: OnDropFiles(wParam); return 0;
    default: return dispatchOther(message, wParam, lParam);
    }
}

LRESULT Window::dispatchNotify(WPARAM wParam, LPARAM lParam) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (Control* control = Control::fromWindow(header->hwndFrom))
        return control->OnReflectedNotify(header);
    OnNotify(wParam, lParam);
    return 0;
}

LRESULT Window::dispatchOther(UINT message, WPARAM wParam, LPARAM lParam) {
    if (DefaultHandler(message, wParam, lParam)) return 0;
    return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace evenkeeper
