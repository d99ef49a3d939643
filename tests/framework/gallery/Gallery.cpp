// Shows the progress panel, a notice, a question and the about box over an owner window,
// one after another, and saves a picture of each (with some of the owner around it) in the
// current folder: progress.bmp, notice.bmp, question.bmp, about.bmp. Exits 1 when a
// picture could not be saved.
#include <windows.h>

#include "framework/AboutBoxWindow.h"
#include "framework/MessageBoxWindow.h"
#include "framework/ProgressWindow.h"
#include "framework/gallery/ScreenCapture.h"
#include "framework/gui/GuiTestSupport.h"
#include "framework/gui/TestResources.h"
#include "platform/MessagePump.h"

namespace evenkeeper::test {
namespace {

constexpr int kMargin = 24;
constexpr COLORREF kGrey = 0xC0C0C0;
constexpr COLORREF kShadow = 0x808080;

// Wine copies what a window painted to the screen a little later, while messages are
// processed: let that happen before the picture is taken.
void letThePaintReachTheScreen() {
    for (const DWORD end = GetTickCount() + 200; GetTickCount() < end;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        systemMessagePump().pumpMessages();
    }
}

bool savePicture(HWND window, const char* path) {
    UpdateWindow(window);
    letThePaintReachTheScreen();
    RECT area = windowRectOf(window);
    InflateRect(&area, kMargin, kMargin);
    return saveScreenArea(area, path);
}

// Shows the box, saves its picture once it is up and answers it with Enter.
bool pictureOfBox(MessageBoxWindow& box, HWND owner, const char* path, const char* text,
                  const char* secondText, unsigned flags, int iconId) {
    bool saved = false;
    WhenIdle script([&] {
        saved = savePicture(box.handle(), path);
        postKey(GetFocus(), VK_RETURN);
    });
    script.watch([&] { return box.handle(); });
    box.Show(owner, text, secondText, flags, iconId, 0, kGrey, kShadow);
    return saved;
}

bool pictureOfProgress(HWND owner) {
    ProgressWindow progress;
    progress.SetColours(0, 0xEE687B);
    progress.Show(owner, "Scanning folders...", 0);
    const bool saved = savePicture(progress.handle(), "progress.bmp");
    progress.Close();
    return saved;
}

int run() {
    OwnerWindow owner(112, 84, 800, 600);
    UpdateWindow(owner.handle());
    systemMessagePump().pumpMessages();
    MessageBoxWindow messageBox;
    AboutBoxWindow aboutBox;
    bool saved = pictureOfProgress(owner.handle());
    saved &= pictureOfBox(messageBox, owner.handle(), "notice.bmp",
                          "Folder does not exist:\nC:\\Music\\Live\\", "Evenkeeper", 0x30, 0);
    saved &= pictureOfBox(messageBox, owner.handle(), "question.bmp", "Save Sync info?",
                          "Evenkeeper", 0x23, 0);
    saved &= pictureOfBox(aboutBox, owner.handle(), "about.bmp",
                          "Evenkeeper 1.02\n(c) TamrelFreeware",
                          "http://example.org/", 0, TEST_ICON);
    return saved ? 0 : 1;
}

}  // namespace
}  // namespace evenkeeper::test

int main() { return evenkeeper::test::run(); }
