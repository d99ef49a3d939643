#pragma once
// The system's file-open dialog, through which the user picks a data file. The chosen name
// need not exist.
#include "platform/WindowHandle.h"

namespace evenkeeper {

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // Opens the dialog owned by owner, starting in initialFolder. On true name (size bytes)
    // holds the chosen name; false when the user cancelled.
    virtual bool show(WindowHandle owner, char* name, int size, const char* initialFolder) = 0;
};

// Gives name the extension (with or without its leading dot) in place of the one it has:
// scanning back from the end to the first ".", "\", "/" or ":", a "." found there ends the
// name. False, with name unchanged, when the result would not fit in size bytes.
bool forceExtension(char* name, int size, const char* extension);

}  // namespace evenkeeper
