#pragma once
// Plain geometry of the framework's arithmetic, free of the platform so that it is tested
// natively as well.

namespace evenkeeper {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

inline bool operator==(Rect a, Rect b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(Size a, Size b) { return a.width == b.width && a.height == b.height; }

}  // namespace evenkeeper
