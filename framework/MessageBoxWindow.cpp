#include "framework/MessageBoxWindow.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "framework/BoxButtons.h"
#include "framework/CentreOverOwner.h"
#include "framework/DisplayInfo.h"
#include "framework/LayoutRect.h"
#include "framework/ModuleInstance.h"
#include "framework/layout/TextLines.h"
#include "platform/MessagePump.h"

namespace evenkeeper {
namespace {

constexpr const char* kOutOfMemory = "Out of memory";
// Any position does: the platform's moving loop starts from where the button went down.
constexpr LPARAM kDragStart = 0x50005;

HICON loadBoxIcon(unsigned flags, int iconId) {
    if (const int systemIcon = systemIconId(flags))
        return LoadIconA(nullptr, MAKEINTRESOURCEA(systemIcon));
    return iconId ? LoadIconA(moduleInstance(), MAKEINTRESOURCEA(iconId)) : nullptr;
}

}  // namespace

MessageBoxWindow::MessageBoxWindow()
    : frame_(GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW)) {
    RegisterWindowClass();
}

int MessageBoxWindow::RegisterWindowClass() {
    static bool registered = false;
    WNDCLASSA description = {};
    description.style = CS_VREDRAW | CS_HREDRAW;
    description.lpfnWndProc = WindowRouter;
    description.cbWndExtra = 4;
    description.hInstance = moduleInstance();
    description.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    description.lpszClassName = kClassName;
    return registerClassOnce(registered, description);
}

int MessageBoxWindow::Show(HWND owner, const char* text, const char* secondText,
                           unsigned flags, int iconId, COLORREF textColour,
                           COLORREF backgroundColour, COLORREF frameShadowColour) {
    owner_ = owner;
    flags_ = flags;
    textColour_ = textColour;
    backgroundColour_ = backgroundColour;
    running_ = 1;
    result_ = 0;
    frame_.setColours(RGB(255, 255, 255), frameShadowColour);
    keepText(text);
    secondText_ = secondText ? secondText : "";
    if (!measure(systemIconId(flags) != 0 || iconId != 0)) return 0;
    CreateBoxWindow();
    AfterCreate();
    icon_ = loadBoxIcon(flags, iconId);
    if (!handle()) return 0;
    EnableWindow(owner_, FALSE);
    waitForAnswer();
    return result_;
}

void MessageBoxWindow::keepText(const char* text) {
    const std::size_t length = std::strlen(text);
    ownedText_.reset(new (std::nothrow) char[length + 2]);
    if (ownedText_) {
        std::memcpy(ownedText_.get(), text, length + 1);
        text_ = ownedText_.get();
    } else {
        text_ = kOutOfMemory;
    }
}

bool MessageBoxWindow::measure(bool hasIcon) {
    DisplayInfo display;
    if (!display.valid()) return false;
    charWidth_ = display.metrics().tmMaxCharWidth;
    lineHeight_ = display.lineHeight();
    const std::vector<LineSpan> lines = splitLines(text_);
    lineCount_ = static_cast<int>(lines.size());
    widestLine_ = 0;
    for (const LineSpan& line : lines)
        widestLine_ = std::max(widestLine_, display.textWidth(text_ + line.offset, line.length));
    // Without an icon the caption may be the widest thing in the box.
    if (!hasIcon) {
        widestLine_ = std::max(
            widestLine_,
            display.textWidth(secondText_, static_cast<int>(std::strlen(secondText_))));
    }
    textRect_ = toRECT(messageBoxTextRect(flags_, hasIcon, textMetrics()));
    return true;
}

BoxTextMetrics MessageBoxWindow::textMetrics() const {
    return {charWidth_, lineHeight_, lineCount_, widestLine_};
}

RECT MessageBoxWindow::ownerClient() const {
    RECT client = {};
    GetClientRect(owner_, &client);
    return client;
}

void MessageBoxWindow::waitForAnswer() {
    MessagePump& pump = systemMessagePump();
    while (running_ && handle()) {
        if (pump.pumpMessages()) {
            // The program is to end: take the box down unanswered and leave the quit
            // message for the loop that waits for it.
            if (handle()) SendMessageA(handle(), WM_CLOSE, 0, 0);
            return;
        }
        // Sleep until the next message instead of polling the empty queue.
        if (running_ && handle()) WaitMessage();
    }
}

void MessageBoxWindow::CreateBoxWindow() {
    const Size size = messageBoxSize(toRect(textRect_), textMetrics());
    const RECT client = ownerClient();
    const Point origin = initialBoxOrigin({client.right, client.bottom}, size);
    style_ = WS_POPUP | WS_VISIBLE | WS_CAPTION;
    extendedStyle_ = 0;
    CreateObjectWindow(kClassName, owner_, nullptr, secondText_, origin.x, origin.y, size.width,
                       size.height);
}

int MessageBoxWindow::OnCreate() {
    CreateButtons();
    BoxButtons& shared = boxButtons();
    shared.current = defaultButtonIndex(flags_, shared.count);
    shared.focusCurrent();
    shared.installKeyHandling();
    CentreOverOwner(handle());
    return 1;
}

void MessageBoxWindow::CreateButtons() {
    RECT client = {};
    GetClientRect(handle(), &client);
    const BoxButtonSet set = boxButtonSet(flags_);
    for (int i = 0; i < set.count; ++i) {
        makeButton(i, set.buttons[i],
                   boxButtonOrigin(set.buttons[i], client.right, client.bottom, lineHeight_));
    }
    boxButtons().count = set.count;
}

void MessageBoxWindow::makeButton(int index, const BoxButton& button, Point origin) {
    boxButtons().buttons[index].Create(handle(), 0, button.text, origin.x, origin.y,
                                       kBoxButtonWidth, kBoxButtonHeight);
    buttonResults_[index] = button.result;
}

void MessageBoxWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != 0) return;
    const int id = LOWORD(wParam);
    const int button = boxButtons().indexOfId(id);
    if (button >= 0)
        result_ = buttonResults_[button];
    else
        OnOtherCommand(id, reinterpret_cast<HWND>(lParam));
    if (result_) {
        PostMessageA(handle(), WM_CLOSE, 0, 0);
        running_ = 0;
    }
}

void MessageBoxWindow::OnClose() {
    EnableWindow(owner_, TRUE);
    DestroyObjectWindow();
    ownedText_.reset();
    text_ = "";
}

void MessageBoxWindow::OnLButtonDown(WPARAM, LPARAM) {
    SendMessageA(handle(), WM_NCLBUTTONDOWN, HTCAPTION, kDragStart);
}

void MessageBoxWindow::OnSetFocus() { boxButtons().focusCurrent(); }

void MessageBoxWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(handle(), &paint);
    HBRUSH background = CreateSolidBrush(backgroundColour_);
    FillRect(context, &paint.rcPaint, background);
    DeleteObject(background);
    if (icon_) {
        DrawIcon(context, 16, textRect_.top + (textRect_.bottom - textRect_.top) / 2 - 16, icon_);
        frame_.SetFromRect(textRect_);
        frame_.Draw(context);
    }
    SetTextColor(context, textColour_);
    SetBkColor(context, backgroundColour_);
    drawLines(context, textRect_.left, textRect_.right, textRect_.top + 3);
    EndPaint(handle(), &paint);
}

int MessageBoxWindow::drawLines(HDC context, int left, int right, int top) const {
    int y = top;
    for (const LineSpan& line : splitLines(text_)) {
        SIZE extent = {};
        GetTextExtentPoint32A(context, text_ + line.offset, line.length, &extent);
        TextOutA(context, left + ((right - left) - extent.cx) / 2, y, text_ + line.offset,
                 line.length);
        y += lineHeight_;
    }
    return y;
}

}  // namespace evenkeeper
