#pragma once
// Window and text geometry of the message box and the about box, from the measured text.
#include "framework/layout/LayoutTypes.h"

namespace evenkeeper {

struct BoxTextMetrics {
    int charWidth = 0;   // the display font's widest character
    int lineHeight = 0;  // height plus external leading
    int lineCount = 0;
    int widestLine = 0;  // in pixels
};

// Room the buttons need: 10 line heights for two, 13 for three, none for one.
int minimumTextRight(unsigned flags, int lineHeight);
// The client rectangle that holds the lines; the text starts right of the icon when there
// is one.
Rect messageBoxTextRect(unsigned flags, bool hasIcon, const BoxTextMetrics& text);
Size messageBoxSize(Rect textRect, const BoxTextMetrics& text);
// Where a box of this size starts out, before it is centred over its owner's window.
Point initialBoxOrigin(Size ownerClient, Size box);

Size aboutBoxSize(const BoxTextMetrics& text, bool hasLink);
// The about box's button: centred, three lines above the bottom of its elliptic client.
Point aboutButtonOrigin(Size client, int lineHeight);
int aboutFirstLineTop(int lineHeight);
Point aboutLinkOrigin(int boxWidth, Size link, int yAfterLastLine, int lineHeight);

}  // namespace evenkeeper
