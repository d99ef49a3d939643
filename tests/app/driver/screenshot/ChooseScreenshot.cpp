// Puts the real program on the screen with five stored sync operations, opens "Choose
// previous sync" and saves a picture of that dialog as choose.bmp in the current folder.
// Exit code 0 when the picture was saved and the program ended normally.
#include <windows.h>

#include "app/driver/ChooseWindow.h"
#include "app/driver/ProgramFiles.h"
#include "app/driver/ProgramProcess.h"
#include "framework/gallery/ScreenCapture.h"
#include "resources/ResourceIds.h"

using namespace evenkeeper::driver;

int main() {
    constexpr int kMargin = 12;
    ProgramProcess::endLeftOvers();
    clearUserFolder();
    storeOperations({{"C:\\Music\\", "F:\\", 2, 0, 16, "12/07/26"},
                     {"C:\\Users\\Ann\\Documents\\", "\\\\backup\\share\\Documents\\", 0, 0, 16, "11/30/26"},
                     {"C:\\Photos\\2026\\", "E:\\Photos\\2026\\", 1, 0, 2},
                     {"D:\\Projects\\", "\\\\laptop\\Projects\\", 0, 2, 8, "12/01/26"},
                     {"C:\\Mail\\", "G:\\Mail backup\\", 2, 1, 0}},
                    0);
    ProgramProcess program;
    if (!program.mainWindow()) return 1;
    MainWindow window(program.mainWindow());
    ChooseWindow choose(window);
    if (!choose.handle() || choose.rowCount() != 10) return 1;
    // The program's drawing reaches the screen a little after it is done.
    Sleep(500);
    RECT area;
    GetWindowRect(choose.handle(), &area);
    InflateRect(&area, kMargin, kMargin);
    const bool saved = evenkeeper::test::saveScreenArea(area, "choose.bmp");
    choose.click(IDCANCEL);
    if (!choose.waitClosed()) return 1;
    window.click(IDCANCEL);
    return saved && program.waitForExit() == 0 ? 0 : 1;
}
