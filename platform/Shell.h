#pragma once
#include "platform/WindowHandle.h"

namespace evenkeeper {

// Opens a document or web address with the program the system associates with it; the
// outcome is not reported (nothing tells the user when it fails). Windows only: the
// program's windows are the only callers.
void openWithShell(WindowHandle owner, const char* path);

}  // namespace evenkeeper
