#pragma once
// An information context for the display: the metrics of its default font and the widths
// of texts in it, as the boxes measure before they make their windows.
#include <windows.h>

namespace evenkeeper {

class DisplayInfo {
public:
    DisplayInfo();
    ~DisplayInfo();
    DisplayInfo(const DisplayInfo&) = delete;
    DisplayInfo& operator=(const DisplayInfo&) = delete;

    // False when there is no context or no metrics; nothing else may be asked then.
    bool valid() const { return valid_; }
    const TEXTMETRICA& metrics() const { return metrics_; }
    int lineHeight() const { return metrics_.tmHeight + metrics_.tmExternalLeading; }
    int textWidth(const char* text, int length) const;

private:
    HDC context_;
    TEXTMETRICA metrics_ = {};
    bool valid_ = false;
};

}  // namespace evenkeeper
