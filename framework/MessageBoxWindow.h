#pragma once
// The program's own message box: text lines centred on a coloured background beside an
// icon, Ok / Ok-Cancel / Yes-No / Yes-No-Cancel buttons with their own keyboard handling,
// shown modally: Show returns the chosen button's result.
#include <memory>

#include "framework/SunkenFrame.h"
#include "framework/Window.h"
#include "framework/layout/BoxButtonLayout.h"
#include "framework/layout/BoxGeometry.h"

namespace evenkeeper {

class MessageBoxWindow : public Window {
public:
    MessageBoxWindow();

    // Lines of text are separated by "\n". The second text is the caption (for the about
    // box: its link, which is also the address it opens; empty for none). Flags are the
    // platform's message-box bits for the buttons, the system icon and the default button;
    // without a system icon, iconId names one of the program's icons (0: none). The owner
    // is disabled while the box is up. Returns IDOK, IDCANCEL, IDYES or IDNO, or 0 when the
    // box could not be put up or was closed without a button.
    int Show(HWND owner, const char* text, const char* secondText, unsigned flags, int iconId,
             COLORREF textColour, COLORREF backgroundColour, COLORREF frameShadowColour);

protected:
    static constexpr const char* kClassName = "CMSGCLASS";

    int RegisterWindowClass() override;
    void OnClose() override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    int OnCreate() override;
    // Pressing the left button anywhere outside the buttons drags the box.
    void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    void OnSetFocus() override;

    // Called once the box window is made.
    virtual void AfterCreate() {}
    // A command of none of the box buttons.
    virtual void OnOtherCommand(int, HWND) {}
    virtual void CreateButtons();
    // Computes the window's geometry and makes it.
    virtual void CreateBoxWindow();

    // Makes box button `index` of the shared ones, with a fresh id.
    void makeButton(int index, const BoxButton& button, Point origin);
    // Draws the lines centred between left and right from top down; the y after the last.
    int drawLines(HDC context, int left, int right, int top) const;
    BoxTextMetrics textMetrics() const;
    RECT ownerClient() const;

    HWND owner_ = nullptr;
    HICON icon_ = nullptr;
    int charWidth_ = 0;
    int lineHeight_ = 0;
    int lineCount_ = 0;
    int widestLine_ = 0;
    unsigned flags_ = 0;
    COLORREF textColour_ = 0;
    COLORREF backgroundColour_ = 0;
    const char* text_ = "";
    const char* secondText_ = "";

private:
    void keepText(const char* text);
    // Measures the text and lays out the text rectangle; false without display metrics.
    bool measure(bool hasIcon);
    void waitForAnswer();

    int running_ = 0;
    int result_ = 0;
    int buttonResults_[kMaxBoxButtons] = {};
    std::unique_ptr<char[]> ownedText_;
    RECT textRect_ = {};
    SunkenFrame frame_;
};

}  // namespace evenkeeper
