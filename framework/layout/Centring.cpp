#include "framework/layout/Centring.h"

#include <algorithm>

namespace evenkeeper {
namespace {

int centredStart(int referenceStart, int referenceEnd, int extent) {
    const int centred = referenceStart + (referenceEnd - referenceStart + 1) / 2 - extent / 2;
    const int limited = std::min(centred, referenceEnd - extent);
    return limited <= 0 ? 0 : limited;
}

}  // namespace

Point centredPosition(Rect reference, Rect window) {
    const int width = window.right - window.left + 1;
    const int height = window.bottom - window.top + 1;
    return {centredStart(reference.left, reference.right, width),
            centredStart(reference.top, reference.bottom, height)};
}

}  // namespace evenkeeper
