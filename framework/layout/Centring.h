#pragma once
#include "framework/layout/LayoutTypes.h"

namespace evenkeeper {

// Where a window with rectangle `window` goes when centred over `reference` (its owner's
// window rectangle, or the full-screen area): its right and bottom edges stay within the
// reference's, and it never starts below 0. The owner's left and top edges are not a limit.
Point centredPosition(Rect reference, Rect window);

}  // namespace evenkeeper
