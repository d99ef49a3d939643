// Puts the real program on the screen with a plan in its list for a screenshot taken from
// outside: writes "plan.ready" in the current folder once the plan shows, then waits for
// "plan.taken" (at most 30 s) and exits the program. Exit code 0 when the program showed
// the plan and ended normally.
#include <windows.h>

#include <cstdio>

#include "app/driver/MainWindow.h"
#include "app/driver/ProgramFiles.h"
#include "app/driver/ProgramProcess.h"
#include "app/driver/Waiting.h"
#include "resources/ResourceIds.h"
#include "support/TempTree.h"
#include "support/TimeValues.h"

using namespace evenkeeper::driver;
using evenkeeper::test::kBaseTime;
using evenkeeper::test::kHour;

int main() {
    ProgramProcess::endLeftOvers();
    clearUserFolder();
    evenkeeper::test::TempTree top, bottom;
    top.file("Concert 2019.mp3", 4718592, kBaseTime);
    top.file("Notes.txt", 1234, kBaseTime + kHour);
    top.file("Albums\\Live\\Track 01.mp3", 3145728, kBaseTime);
    bottom.file("Notes.txt", 1200, kBaseTime);
    bottom.file("Old draft.doc", 20480, kBaseTime);
    ProgramProcess program;
    if (!program.mainWindow()) return 1;
    MainWindow window(program.mainWindow());
    window.enter(IDC_TOP_FOLDER, top.root());
    window.enter(IDC_BOTTOM_FOLDER, bottom.root());
    window.click(IDC_DUPLICATE);
    if (!window.scan() || window.rowCount() != 4) return 1;
    FILE* ready = std::fopen("plan.ready", "w");
    if (!ready || std::fclose(ready) != 0) return 1;
    waitUntil([] { return fileExists("plan.taken"); }, 30000);
    window.click(IDCANCEL);
    return program.waitForExit() == 0 ? 0 : 1;
}
