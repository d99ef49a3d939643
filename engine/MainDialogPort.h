#pragma once
#include "engine/MessageBoxes.h"

namespace evenkeeper {

// What the engine and the store call of the main dialog.
class MainDialogPort {
public:
    virtual ~MainDialogPort() = default;
    virtual void setStatusText(const char* text) = 0;
    // A notice with an OK button and the exclamation icon.
    virtual void showMessage(const char* text, const char* caption) = 0;
    // The middle button carries out the plan; it is enabled only while a plan stands.
    virtual void enableMiddleButton(bool enable) = 0;
    // Opens a document with the program the shell associates with it, owned by the list.
    virtual void openWithShell(const char* path) = 0;
};

}  // namespace evenkeeper
