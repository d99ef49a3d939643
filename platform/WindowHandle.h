#pragma once

namespace evenkeeper {

// A window of the platform (an HWND on Win32), carried through code that never looks inside.
using WindowHandle = void*;

}  // namespace evenkeeper
