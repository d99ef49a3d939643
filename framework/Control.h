#pragma once
// A child control (list view, edit box, button) of a dialog or window. The parent hands the
// commands, notifications and owner-draw requests about the control to its object first
// (reflection); the control window refers to the object, which owns the association.
#include <windows.h>

namespace evenkeeper {

// Whatever object a control calls back when it reports its event.
class ControlCallbackTarget {
public:
    virtual ~ControlCallbackTarget() = default;
};
using ControlCallback = void (ControlCallbackTarget::*)(int controlId);

class Control {
public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Takes the parent's child with this id, or creates one when there is none (then with
    // the object's styles and the given geometry). Id 0 takes the next process-wide id.
    // 1 when the object has a window afterwards.
    virtual int Create(HWND parent, int id, const char* text, int x, int y, int width,
                       int height) = 0;
    // Nonzero when the control dealt with the command, so that the parent need not.
    virtual int OnReflectedCommand(int notificationCode, int controlId);
    virtual void OnReflectedDrawItem(const DRAWITEMSTRUCT& item);
    // The header and whatever notification structure it starts.
    virtual int OnReflectedNotify(NMHDR* header);

    void SetCallback(ControlCallbackTarget* target, ControlCallback handler);

    HWND handle() const { return window_; }
    int id() const { return id_; }
    void setStyle(DWORD style) { style_ = style; }

    // The object attached to a control window, or null.
    static Control* fromWindow(HWND window);

protected:
    Control(DWORD style, DWORD extendedStyle) : style_(style), extendedStyle_(extendedStyle) {}

    int attachOrCreate(const char* className, HWND parent, int id, const char* text, int x,
                       int y, int width, int height);
    // 1 when a callback is set and was called with the id, else 0.
    int callCallback(int controlId);

private:
    HWND window_ = nullptr;
    DWORD style_;
    DWORD extendedStyle_;
    int id_ = 0;
    ControlCallbackTarget* callbackTarget_ = nullptr;
    ControlCallback callbackHandler_ = nullptr;
};

}  // namespace evenkeeper
