// Centring over the owner or the screen, and the shell's folder browser driven through
// its own dialog.
#include <gtest/gtest.h>

#include <string>

#include "framework/CentreOverOwner.h"
#include "framework/FolderBrowser.h"
#include "framework/gui/GuiTestSupport.h"

namespace evenkeeper::test {
namespace {

HWND popup(HWND owner, int x, int y, int width, int height) {
    return CreateWindowExA(0, "STATIC", "Centred", WS_POPUP | WS_VISIBLE, x, y, width, height,
                           owner, nullptr, GetModuleHandleA(nullptr), nullptr);
}

TEST(CentreOverOwner, AWindowLargerThanItsOwnerStartsAtZeroAndKeepsItsSize) {
    OwnerWindow owner(50, 40, 200, 150);
    HWND window = popup(owner.handle(), 300, 300, 600, 500);
    CentreOverOwner(window);
    const RECT once = windowRectOf(window);
    EXPECT_EQ(once.left, 0);
    EXPECT_EQ(once.top, 0);
    EXPECT_EQ(widthOf(once), 600);
    EXPECT_EQ(heightOf(once), 500);
    CentreOverOwner(window);
    const RECT twice = windowRectOf(window);
    EXPECT_TRUE(EqualRect(&once, &twice));
    DestroyWindow(window);
}

TEST(CentreOverOwner, ASmallerWindowGoesToTheMiddleOfItsOwnersWindow) {
    OwnerWindow owner(100, 100, 401, 301);
    HWND window = popup(owner.handle(), 0, 0, 201, 101);
    CentreOverOwner(window);
    const RECT o = owner.windowRect();
    // (right − left + 1) / 2 − (width + 1) / 2, with right and bottom edges inclusive.
    EXPECT_EQ(windowRectOf(window).left, o.left + (widthOf(o) + 1) / 2 - 202 / 2);
    EXPECT_EQ(windowRectOf(window).top, o.top + (heightOf(o) + 1) / 2 - 102 / 2);
    DestroyWindow(window);
}

TEST(CentreOverOwner, AWindowWithoutOwnerIsCentredOnTheFullScreenArea) {
    HWND window = popup(nullptr, 5, 5, 301, 201);
    CentreOverOwner(window);
    const int screenWidth = GetSystemMetrics(SM_CXFULLSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYFULLSCREEN);
    EXPECT_EQ(windowRectOf(window).left, (screenWidth + 1) / 2 - 302 / 2);
    EXPECT_EQ(windowRectOf(window).top, (screenHeight + 1) / 2 - 202 / 2);
    DestroyWindow(window);
}

BOOL CALLBACK keepVisibleDialog(HWND window, LPARAM result) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770") return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

// The browse dialog of this thread, once it is made (it shows when its loop first idles).
HWND browseDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), keepVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Browses, picks `folder` in the dialog (or cancels when it is null) and answers.
int browse(FolderBrowser& browser, const char* folder) {
    WhenIdle script([folder] {
        HWND dialog = browseDialog();
        if (folder) {
            SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder));
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        } else {
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
    });
    script.watch(browseDialog);
    const int result = browser.Browse();
    EXPECT_FALSE(script.stillUp());
    return result;
}

TEST(FolderBrowser, AFolderComesBackWithOneTrailingBackslash) {
    OwnerWindow owner(100, 100, 400, 300);
    FolderBrowser browser(owner.handle());
    lstrcpynA(browser.title(), "Select the folder you want to synchronize.",
              FolderBrowser::kBufferSize);
    ASSERT_EQ(browse(browser, "C:\\windows"), 1);
    EXPECT_STREQ(browser.path(), "C:\\windows\\");
    ASSERT_EQ(browse(browser, "C:\\"), 1);
    EXPECT_STREQ(browser.path(), "C:\\");
    EXPECT_EQ(browse(browser, nullptr), 0);
}

}  // namespace
}  // namespace evenkeeper::test
