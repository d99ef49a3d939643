#pragma once
// A one-pixel outline whose dark top and left edges and light right and bottom edges make
// what it frames look sunken.
#include <windows.h>

namespace evenkeeper {

class SunkenFrame {
public:
    SunkenFrame(COLORREF highlight, COLORREF shadow) : highlight_(highlight), shadow_(shadow) {}

    void setColours(COLORREF highlight, COLORREF shadow);
    // The frame runs along the rectangle's edges, right and bottom included.
    void SetFromRect(const RECT& rect);
    // Draws nothing until a rectangle is set.
    void Draw(HDC context) const;

private:
    COLORREF highlight_;
    COLORREF shadow_;
    int x_ = 0;
    int y_ = 0;
    int width_ = -1;
    int height_ = 0;
};

}  // namespace evenkeeper
