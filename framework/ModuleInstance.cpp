#include "framework/ModuleInstance.h"

namespace evenkeeper {
namespace {

HINSTANCE instance = nullptr;

}  // namespace

HINSTANCE moduleInstance() { return instance ? instance : GetModuleHandleA(nullptr); }

void setModuleInstance(HINSTANCE newInstance) { instance = newInstance; }

}  // namespace evenkeeper
