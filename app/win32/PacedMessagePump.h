#pragma once
#include <windows.h>

#include "platform/MessagePump.h"

namespace evenkeeper {

// The message pump of the long steps: a scan, a plan or a run asks for it between folders,
// entries and rows, but it lets the window's messages through at most every 10 ms. A pump
// of the main dialog's queue costs more than copying a small file, and a hundred a second
// keep the window as alive as thousands.
class PacedMessagePump : public MessagePump {
public:
    explicit PacedMessagePump(MessagePump& pump) : pump_(pump) {}

    int pumpMessages() override {
        constexpr DWORD kInterval = 10;  // milliseconds
        DWORD now = GetTickCount();
        if (now - lastPumped_ < kInterval) return 0;
        lastPumped_ = now;
        return pump_.pumpMessages();
    }

private:
    MessagePump& pump_;
    DWORD lastPumped_ = 0;
};

}  // namespace evenkeeper
