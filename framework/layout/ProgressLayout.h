#pragma once
// The progress panel's arithmetic: one line of text with six character widths of room on
// either side and two lines above and below, centred over its owner's window rectangle.
#include "framework/layout/LayoutTypes.h"

namespace evenkeeper {

Size progressPanelSize(int textLength, int charWidth, int lineHeight);
// Truncating divisions, no clamping to the screen.
Point centredOver(Rect owner, Size panel);
// The sunken frame around the text inside a client area of the given size.
Rect progressTextRect(int clientWidth, int clientHeight, int charWidth, int lineHeight);

}  // namespace evenkeeper
