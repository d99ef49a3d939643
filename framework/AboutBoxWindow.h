#pragma once
// The about box: a borderless elliptic box with the program icon, its lines of text, one Ok
// button and, when a link text is given, an underlined link that opens that address with
// the shell and closes the box with IDOK.
#include "framework/ButtonControl.h"
#include "framework/FontRecord.h"
#include "framework/MessageBoxWindow.h"

namespace evenkeeper {

class AboutBoxWindow : public MessageBoxWindow {
public:
    AboutBoxWindow() = default;

protected:
    void OnDrawItem(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    void OnOtherCommand(int id, HWND control) override;
    void CreateButtons() override;
    void CreateBoxWindow() override;

private:
    bool hasLink() const { return secondText_[0] != '\0'; }
    // The link goes one line below the text, sized to its text in the link font.
    void createLink(HDC context, int yAfterLastLine);

    int linkCreated_ = 0;
    int width_ = 0;
    int height_ = 0;
    FontRecord linkFont_;
    ButtonControl link_;
};

}  // namespace evenkeeper
