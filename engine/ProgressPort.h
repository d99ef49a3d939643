#pragma once
#include <cstdint>

namespace evenkeeper {

// The progress panel over the result list, shown while a long phase runs on the UI thread.
class ProgressPort {
public:
    virtual ~ProgressPort() = default;
    // Colours are 0x00BBGGRR; they stay for later showings.
    virtual void SetColours(std::uint32_t textColour, std::uint32_t backgroundColour) = 0;
    // Shows the panel over the result list without disabling it.
    virtual int Show(const char* text) = 0;
    virtual int Close() = 0;
};

}  // namespace evenkeeper
