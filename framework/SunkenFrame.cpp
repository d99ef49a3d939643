#include "framework/SunkenFrame.h"

namespace evenkeeper {

void SunkenFrame::setColours(COLORREF highlight, COLORREF shadow) {
    highlight_ = highlight;
    shadow_ = shadow;
}

void SunkenFrame::SetFromRect(const RECT& rect) {
    x_ = rect.left;
    y_ = rect.top;
    width_ = rect.right - rect.left + 1;
    height_ = rect.bottom - rect.top + 1;
}

void SunkenFrame::Draw(HDC context) const {
    if (width_ == -1) return;
    const int right = x_ + width_ - 1;
    const int bottom = y_ + height_ - 1;
    HPEN shadowPen = CreatePen(PS_SOLID, 1, shadow_);
    HPEN highlightPen = CreatePen(PS_SOLID, 1, highlight_);
    HGDIOBJ previous = SelectObject(context, shadowPen);
    MoveToEx(context, x_, bottom, nullptr);
    LineTo(context, x_, y_);
    LineTo(context, right, y_);
    SelectObject(context, highlightPen);
    LineTo(context, right, bottom);
    LineTo(context, x_, bottom);
    SelectObject(context, previous);
    DeleteObject(shadowPen);
    DeleteObject(highlightPen);
}

}  // namespace evenkeeper
