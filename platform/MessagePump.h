#pragma once

namespace evenkeeper {

// Lets the window procedures of the one thread run in the middle of long work.
class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Dispatches every pending message; 1 when a quit message waits (it stays queued), else 0.
    virtual int pumpMessages() = 0;
};

MessagePump& systemMessagePump();

}  // namespace evenkeeper
