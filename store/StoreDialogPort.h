#pragma once
// What the sync operations file asks of the main dialog besides its status bar and notices.
#include <cstdint>

#include "engine/MessageBoxes.h"
#include "platform/WindowHandle.h"

namespace evenkeeper {

class StoreDialogPort {
public:
    virtual ~StoreDialogPort() = default;
    // Makes the record at position current (the first, with index 0, when there is none
    // there), sets the session's currentOperation and index, and shows the record.
    virtual void selectOperation(int position) = 0;
    // The icon of currentOperation's direction on the direction button.
    virtual void showDirectionIcon() = 0;
    // The message box owned by the main dialog, in the colours of its notices; the button
    // that answered it.
    virtual int ask(const char* text, const char* caption, std::uint32_t flags) = 0;
    // The owner of the dialogs the store opens.
    virtual WindowHandle window() = 0;
};

}  // namespace evenkeeper
