#include "framework/AboutBoxWindow.h"

#include <shellapi.h>

#include <cstring>

#include "framework/BoxButtons.h"

namespace evenkeeper {
namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 128);
constexpr COLORREF kRimColour = RGB(255, 0, 0);
constexpr int kLinkPointSize = 12;

}  // namespace

void AboutBoxWindow::CreateBoxWindow() {
    const Size size = aboutBoxSize(textMetrics(), hasLink());
    const RECT client = ownerClient();
    style_ = WS_POPUP | WS_VISIBLE;
    extendedStyle_ = 0;
    linkCreated_ = 0;
    // OnCreate centres it over the owner.
    CreateObjectWindow(kClassName, owner_, nullptr, "", client.right / 2, client.bottom / 2,
                       size.width, size.height);
}

void AboutBoxWindow::CreateButtons() {
    RECT client = {};
    GetClientRect(handle(), &client);
    width_ = client.right - client.left + 1;
    height_ = client.bottom - client.top + 1;
    SetWindowRgn(handle(), CreateEllipticRgn(0, 0, width_, height_), TRUE);
    SetWindowPos(handle(), nullptr, 0, 0, width_, height_, SWP_NOMOVE);
    const BoxButtonSet set = aboutButtonSet();
    makeButton(0, set.buttons[0], aboutButtonOrigin({width_, height_}, lineHeight_));
    boxButtons().count = set.count;
}

void AboutBoxWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(handle(), &paint);
    HBRUSH background = CreateSolidBrush(backgroundColour_);
    HPEN rim = CreatePen(PS_SOLID, 3, kRimColour);
    HGDIOBJ previousBrush = SelectObject(context, background);
    HGDIOBJ previousPen = SelectObject(context, rim);
    Ellipse(context, 1, 1, width_ - 2, height_ - 2);
    SelectObject(context, previousPen);
    SelectObject(context, previousBrush);
    DeleteObject(rim);
    DeleteObject(background);
    if (icon_) DrawIcon(context, width_ / 2 - 16, 18, icon_);
    SetTextColor(context, textColour_);
    SetBkColor(context, backgroundColour_);
    const int yAfterLastLine = drawLines(context, 0, width_, aboutFirstLineTop(lineHeight_));
    if (hasLink() && !linkCreated_) createLink(context, yAfterLastLine);
    EndPaint(handle(), &paint);
}

void AboutBoxWindow::createLink(HDC context, int yAfterLastLine) {
    linkFont_.setUnderline(true);
    linkFont_.setColour(kLinkColour);
    linkFont_.SetFace(context, "MS Sans Serif", kLinkPointSize);
    HGDIOBJ previousFont = linkFont_.Apply(context);
    SIZE extent = {};
    GetTextExtentPoint32A(context, secondText_, static_cast<int>(std::strlen(secondText_)),
                          &extent);
    SelectObject(context, previousFont);
    const Point origin =
        aboutLinkOrigin(width_, {extent.cx, extent.cy}, yAfterLastLine, lineHeight_);
    link_.setStyle(WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
    link_.Create(handle(), 0, "", origin.x, origin.y, extent.cx, extent.cy);
    linkCreated_ = 1;
}

void AboutBoxWindow::OnDrawItem(WPARAM, LPARAM lParam) {
    if (!linkCreated_) return;
    const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    HGDIOBJ previousFont = linkFont_.Apply(item.hDC);
    SetBkColor(item.hDC, backgroundColour_);
    TextOutA(item.hDC, 0, 0, secondText_, static_cast<int>(std::strlen(secondText_)));
    SelectObject(item.hDC, previousFont);
}

void AboutBoxWindow::OnOtherCommand(int, HWND control) {
    if (!linkCreated_ || control != link_.handle()) return;
    // A failure to open the address is not reported; the box closes all the same.
    ShellExecuteA(GetParent(handle()), "open", secondText_, "", "", SW_SHOWNORMAL);
    SendMessageA(handle(), WM_COMMAND, MAKEWPARAM(boxButtons().buttons[0].id(), 0), 0);
}

}  // namespace evenkeeper
