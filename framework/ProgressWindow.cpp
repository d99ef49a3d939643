#include "framework/ProgressWindow.h"

#include <cstring>

#include "framework/DisplayInfo.h"
#include "framework/LayoutRect.h"
#include "framework/SunkenFrame.h"
#include "framework/layout/ProgressLayout.h"

namespace evenkeeper {
namespace {

constexpr const char* kClassName = "WKWND";

}  // namespace

ProgressWindow::ProgressWindow() { RegisterWindowClass(); }

int ProgressWindow::RegisterWindowClass() {
    static bool registered = false;
    WNDCLASSA description = {};
    description.style = CS_BYTEALIGNWINDOW | CS_GLOBALCLASS;
    description.lpfnWndProc = WindowRouter;
    description.cbWndExtra = 4;
    description.lpszClassName = kClassName;
    return registerClassOnce(registered, description);
}

void ProgressWindow::SetColours(COLORREF textColour, COLORREF backgroundColour) {
    textColour_ = textColour;
    backgroundColour_ = backgroundColour;
}

int ProgressWindow::Show(HWND owner, const char* text, int disableOwner) {
    owner_ = owner;
    text_ = text;
    disableOwner_ = disableOwner;
    RECT ownerRect = {};
    GetWindowRect(owner, &ownerRect);
    {
        DisplayInfo display;
        if (!display.valid()) return 0;
        charWidth_ = display.metrics().tmAveCharWidth;
        lineHeight_ = display.lineHeight();
    }
    const Size size =
        progressPanelSize(static_cast<int>(std::strlen(text)), charWidth_, lineHeight_);
    const Point origin = centredOver(toRect(ownerRect), size);
    style_ = WS_POPUP | WS_VISIBLE | WS_DLGFRAME;
    extendedStyle_ = WS_EX_DLGMODALFRAME;
    if (CreateObjectWindow(kClassName, owner, nullptr, nullptr, origin.x, origin.y, size.width,
                           size.height)) {
        if (disableOwner_) EnableWindow(owner_, FALSE);
        RedrawWindow(handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);
    }
    return 1;
}

int ProgressWindow::Close() { return DestroyObjectWindow(); }

LRESULT ProgressWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
    case WM_COMMAND: return 0;
    case WM_SIZE:
        textRect_ = toRECT(
            progressTextRect(LOWORD(lParam), HIWORD(lParam), charWidth_, lineHeight_));
        return 0;
    case WM_PAINT: paint(); return 0;
    case WM_DESTROY:
        if (disableOwner_) EnableWindow(owner_, TRUE);
        BringWindowToTop(owner_);
        return 0;
    default: return DefWindowProcA(handle(), message, wParam, lParam);
    }
}

void ProgressWindow::paint() {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(handle(), &paint);
    HBRUSH background = CreateSolidBrush(backgroundColour_);
    FillRect(context, &paint.rcPaint, background);
    DeleteObject(background);
    SetBkColor(context, backgroundColour_);
    SunkenFrame frame(RGB(255, 255, 255), RGB(0, 0, 0));
    frame.SetFromRect(textRect_);
    frame.Draw(context);
    SetTextColor(context, textColour_);
    RECT textRect = textRect_;
    DrawTextA(context, text_, -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(handle(), &paint);
}

}  // namespace evenkeeper
