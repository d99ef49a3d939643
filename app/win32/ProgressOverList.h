#pragma once
#include "engine/ProgressPort.h"
#include "framework/Control.h"
#include "framework/ProgressWindow.h"

namespace evenkeeper {

// The progress panel as the engine shows it: over the result list, which stays enabled.
class ProgressOverList : public ProgressPort {
public:
    ProgressOverList(ProgressWindow& panel, const Control& list) : panel_(panel), list_(list) {}

    void SetColours(std::uint32_t textColour, std::uint32_t backgroundColour) override {
        panel_.SetColours(textColour, backgroundColour);
    }
    int Show(const char* text) override { return panel_.Show(list_.handle(), text, 0); }
    int Close() override { return panel_.Close(); }

private:
    ProgressWindow& panel_;
    const Control& list_;
};

}  // namespace evenkeeper
