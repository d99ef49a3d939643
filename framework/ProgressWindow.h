#pragma once
// The captionless panel with one line of text that stands over the result list while a long
// phase runs on the window thread. It paints itself before Show returns, because the work
// that follows does not return to the message loop.
#include "framework/Window.h"

namespace evenkeeper {

class ProgressWindow : public Window {
public:
    ProgressWindow();

    // Colours are kept for every later showing until set again.
    void SetColours(COLORREF textColour, COLORREF backgroundColour);
    // Centres the panel over the owner's window. The text is not copied: it must outlive
    // the panel. 0 when the display's font metrics cannot be had (nothing is shown), else 1,
    // also when the window could not be made.
    int Show(HWND owner, const char* text, int disableOwner);
    // 1 when a panel was taken down, 0 when there was none.
    int Close();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    int RegisterWindowClass() override;

private:
    void paint();

    int disableOwner_ = 0;
    HWND owner_ = nullptr;
    int charWidth_ = 0;
    int lineHeight_ = 0;
    const char* text_ = "";
    COLORREF textColour_ = 0;
    COLORREF backgroundColour_ = 0xC0C0C0;
    RECT textRect_ = {};
};

}  // namespace evenkeeper
