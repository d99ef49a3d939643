#pragma once
// The button sets of the message box and the about box, where their buttons go, which one
// has the focus first, and how the keyboard moves between them.
#include "framework/layout/LayoutTypes.h"

namespace evenkeeper {

// The platform's message-box style bits and results, by value.
constexpr unsigned kButtonSetBits = 0x0F;
constexpr unsigned kOkCancel = 0x01;
constexpr unsigned kYesNoCancel = 0x03;
constexpr unsigned kYesNo = 0x04;
constexpr unsigned kIconBits = 0xF0;
constexpr unsigned kDefaultButton2 = 0x100;
constexpr unsigned kDefaultButton3 = 0x200;
constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;
constexpr int kResultYes = 6;
constexpr int kResultNo = 7;

constexpr int kBoxButtonWidth = 60;
constexpr int kBoxButtonHeight = 30;
constexpr int kMaxBoxButtons = 3;

struct BoxButton {
    const char* text;
    int xOffset;  // of the left edge from the middle of the client area
    int result;
};

struct BoxButtonSet {
    BoxButton buttons[kMaxBoxButtons];
    int count;
};

// Ok / Ok-Cancel / Yes-No / Yes-No-Cancel; any other button set gives a single Ok.
BoxButtonSet boxButtonSet(unsigned flags);
// The about box's only button.
BoxButtonSet aboutButtonSet();
// Top left of a message-box button: its row sits two lines above the client's bottom.
Point boxButtonOrigin(const BoxButton& button, int clientWidth, int clientHeight,
                      int lineHeight);
// The button that has the focus first; one past the buttons in use falls back to the first.
int defaultButtonIndex(unsigned flags, int buttonCount);
int nextButton(int current, int buttonCount);
int previousButton(int current, int buttonCount);
// The system icon the flags choose (IDI_HAND ... IDI_ASTERISK), or 0 for none.
int systemIconId(unsigned flags);

}  // namespace evenkeeper
