#pragma once
#include <windows.h>

namespace evenkeeper {

// The program's module instance, for creating windows and loading its resources. The entry
// sets it; until then it is the executable's own module, so that window classes registered
// by objects built before the entry already belong to the right module.
HINSTANCE moduleInstance();
void setModuleInstance(HINSTANCE instance);

}  // namespace evenkeeper
