// Puts the real program's about box on the screen and saves a picture of it as "about.bmp"
// in the current folder, then closes the box and exits the program. Exit code 0 when the
// box came up with its link, the picture was saved and the program ended normally.
#include <windows.h>

#include "app/driver/MainWindow.h"
#include "app/driver/ProgramFiles.h"
#include "app/driver/ProgramProcess.h"
#include "app/driver/Waiting.h"
#include "framework/gallery/ScreenCapture.h"
#include "resources/ResourceIds.h"

using namespace evenkeeper::driver;

int main() {
    ProgramProcess::endLeftOvers();
    clearUserFolder();
    ProgramProcess program;
    if (!program.mainWindow()) return 1;
    MainWindow window(program.mainWindow());
    window.command(IDM_ABOUT);
    HWND box = window.waitForBox();
    // Up with its link, which its first paint makes: two children.
    const bool shown = box && waitUntil([&] {
        HWND first = GetWindow(box, GW_CHILD);
        return first && GetWindow(first, GW_HWNDNEXT);
    });
    if (!shown) return 1;
    Sleep(200);  // the link draws itself after the box
    RECT area = {};
    GetWindowRect(box, &area);
    const bool saved = evenkeeper::test::saveScreenArea(area, "about.bmp");
    if (!window.answerBox("Ok")) return 1;
    window.click(IDCANCEL);
    return saved && program.waitForExit() == 0 ? 0 : 1;
}
