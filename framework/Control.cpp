#include "framework/Control.h"

#include "framework/ModuleInstance.h"

namespace evenkeeper {
namespace {

// Ids handed to controls made with id 0; never reused within a run.
int nextFreeControlId = 900;

}  // namespace

int Control::OnReflectedCommand(int, int) { return 0; }

void Control::OnReflectedDrawItem(const DRAWITEMSTRUCT&) {}

int Control::OnReflectedNotify(NMHDR*) { return 0; }

void Control::SetCallback(ControlCallbackTarget* target, ControlCallback handler) {
    callbackTarget_ = target;
    callbackHandler_ = handler;
}

Control* Control::fromWindow(HWND window) {
    if (!window) return nullptr;
    return reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

int Control::attachOrCreate(const char* className, HWND parent, int id, const char* text,
                            int x, int y, int width, int height) {
    id_ = id != 0 ? id : nextFreeControlId++;
    window_ = GetDlgItem(parent, id_);
    if (!window_) {
        window_ = CreateWindowExA(extendedStyle_, className, text, style_, x, y, width, height,
                                  parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                                  moduleInstance(), nullptr);
    }
    if (!window_) return 0;
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return 1;
}

int Control::callCallback(int controlId) {
    if (!callbackTarget_ || !callbackHandler_) return 0;
    (callbackTarget_->*callbackHandler_)(controlId);
    return 1;
}

}  // namespace evenkeeper
