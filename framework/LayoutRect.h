#pragma once
// Between the platform's rectangles and the portable ones of the layout arithmetic.
#include <windows.h>

#include "framework/layout/LayoutTypes.h"

namespace evenkeeper {

inline Rect toRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
inline RECT toRECT(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace evenkeeper
