// Puts the real program on the screen for two screenshots taken from outside: the Results
// dialog that follows a scan, then the main dialog with the plan in its list. For each it
// writes "NAME.ready" in the current folder once the picture is on the screen (holding the
// screen area to keep, "WxH+X+Y", or nothing for the whole screen) and waits for "NAME.taken"
// (at most 30 s); then it exits the program. Exit code 0 when the program
// showed both and ended normally.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/driver/DrawnLines.h"
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

namespace {

bool pictureTaken(const std::string& name, HWND window = nullptr) {
    FILE* ready = std::fopen((name + ".ready").c_str(), "w");
    if (!ready) return false;
    RECT area;
    if (window && GetWindowRect(window, &area))
        std::fprintf(ready, "%ldx%ld+%ld+%ld", area.right - area.left, area.bottom - area.top,
                     area.left, area.top);
    if (std::fclose(ready) != 0) return false;
    return waitUntil([&] { return fileExists(name + ".taken"); }, 30000);
}

}  // namespace

int main() {
    ProgramProcess::endLeftOvers();
    clearUserFolder();
    evenkeeper::test::TempTree top, bottom;
    top.file("Concert 2019.mp3", 4718592, kBaseTime);
    top.file("Notes.txt", 1234, kBaseTime + kHour);
    top.file("Albums\\Live\\Track 01.mp3", 3145728, kBaseTime);
    top.file(u8"Albums\\Björk\\Jóga.mp3", 5027840, kBaseTime);
    top.file(u8"Albums\\日本\\夜明け.mp3", 3932160, kBaseTime);
    top.file(u8"Ωμέγα.txt", 512, kBaseTime);
    top.file(u8"Photos\\Café 😀.jpg", 1843200, kBaseTime);
    bottom.file("Notes.txt", 1200, kBaseTime);
    bottom.file("Old draft.doc", 20480, kBaseTime);
    bottom.file(u8"Старый план.doc", 30720, kBaseTime);
    ProgramProcess program;
    if (!program.mainWindow()) return 1;
    MainWindow window(program.mainWindow());
    window.enter(IDC_TOP_FOLDER, top.root());
    window.enter(IDC_BOTTOM_FOLDER, bottom.root());
    window.click(IDC_DUPLICATE);
    window.click(IDC_SCAN);
    // The dialog draws its lines once it is shown.
    HWND results = window.waitForResults();
    if (!results || !waitUntil([&] {
            DrawnLines drawn = readDrawnLines(results);
            return !drawn.lines.empty() && drawn.lines[0].number;
        }))
        return 1;
    if (!pictureTaken("results", results) || !window.closeResults() || window.rowCount() != 9) return 1;
    window.settle();
    if (!pictureTaken("plan")) return 1;
    window.click(IDCANCEL);
    return program.waitForExit() == 0 ? 0 : 1;
}
