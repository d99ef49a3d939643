#include "framework/DisplayInfo.h"

namespace evenkeeper {

DisplayInfo::DisplayInfo() : context_(CreateICA("DISPLAY", nullptr, nullptr, nullptr)) {
    valid_ = context_ && GetTextMetricsA(context_, &metrics_);
}

DisplayInfo::~DisplayInfo() {
    if (context_) DeleteDC(context_);
}

int DisplayInfo::textWidth(const char* text, int length) const {
    SIZE extent = {};
    GetTextExtentPoint32A(context_, text, length, &extent);
    return extent.cx;
}

}  // namespace evenkeeper
