#include <windows.h>

#include "platform/MessagePump.h"

namespace evenkeeper {
namespace {

class Win32MessagePump : public MessagePump {
public:
    int pumpMessages() override {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (message.message == WM_QUIT) return 1;
            GetMessageA(&message, nullptr, 0, 0);
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return 0;
    }
};

}  // namespace

MessagePump& systemMessagePump() {
    static Win32MessagePump pump;
    return pump;
}

}  // namespace evenkeeper
