#include "platform/MessagePump.h"

namespace evenkeeper {
namespace {

// A POSIX build has no window message queue: nothing is ever pending.
class PosixMessagePump : public MessagePump {
public:
    int pumpMessages() override { return 0; }
};

}  // namespace

MessagePump& systemMessagePump() {
    static PosixMessagePump pump;
    return pump;
}

}  // namespace evenkeeper
