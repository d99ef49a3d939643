// The program's entry.
#include "app/win32/Program.h"

namespace {

evenkeeper::Program program;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return program.run(instance); }
