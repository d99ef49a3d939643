// Window dispatch through WindowRouter: creation and destruction of the object's window,
// the end-of-session and destroy sequences, notifications answered by a control object,
// and the messages left to DefWindowProcA.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/ButtonControl.h"
#include "framework/Window.h"
#include "framework/gui/GuiTestSupport.h"

namespace evenkeeper::test {
namespace {

using Log = std::vector<std::string>;

std::string call(const char* name, WPARAM wParam, LPARAM lParam) {
    char text[96];
    std::snprintf(text, sizeof text, "%s(%llu,%lld)", name,
                  static_cast<unsigned long long>(wParam), static_cast<long long>(lParam));
    return text;
}

// A window class of its own, like the framework's; it keeps the default OnCreate.
class PlainWindow : public Window {
public:
    PlainWindow() { RegisterWindowClass(); }
    int create(HWND owner = nullptr) {
        style_ = WS_POPUP | WS_VISIBLE | WS_CAPTION;
        return CreateObjectWindow("FWTESTWND", owner, nullptr, "Recorder", 10, 10, 200, 100);
    }

protected:
    int RegisterWindowClass() override {
        static bool registered = false;
        WNDCLASSA description = {};
        description.lpfnWndProc = WindowRouter;
        description.hInstance = GetModuleHandleA(nullptr);
        description.lpszClassName = "FWTESTWND";
        return registerClassOnce(registered, description);
    }
};

class RecordingWindow : public PlainWindow {
public:
    Log log;
    int handled = 0;  // what DefaultHandler answers

protected:
    int OnCreate() override { return 1; }
    int DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_GETTEXTLENGTH) log.push_back(call("DefaultHandler", message, 0));
        return message == WM_GETTEXTLENGTH ? handled : Window::DefaultHandler(message, wParam, lParam);
    }
    void OnDestroy() override { log.push_back("OnDestroy"); }
    int OnShutdown() override {
        log.push_back("OnShutdown");
        return 0;
    }
    void OnAfterDestroy() override { log.push_back("OnAfterDestroy"); }
    void OnEndSession(WPARAM wParam, LPARAM lParam) override {
        log.push_back(call("OnEndSession", wParam, lParam));
    }
    void OnNotify(WPARAM wParam, LPARAM lParam) override {
        log.push_back(call("OnNotify", wParam, reinterpret_cast<NMHDR*>(lParam)->code));
    }
    void OnCommand(WPARAM wParam, LPARAM) override { log.push_back(call("OnCommand", wParam, 0)); }
    void OnSysCommand() override { log.push_back("OnSysCommand"); }
    void OnInitMenu(WPARAM wParam) override { log.push_back(call("OnInitMenu", wParam, 0)); }
};

struct AnsweringButton : ButtonControl, ControlCallbackTarget {
    int clicks = 0;
    int OnReflectedNotify(NMHDR*) override { return 5; }
    void clicked(int) { ++clicks; }
};

TEST(WindowObject, TheDefaultOnCreateMakesCreationFail) {
    PlainWindow window;
    EXPECT_EQ(window.create(), 0);
    EXPECT_EQ(window.handle(), nullptr);
}

TEST(WindowObject, KeepsOneWindowAndForgetsItWhenDestroyed) {
    RecordingWindow window;
    ASSERT_EQ(window.create(), 1);
    HWND first = window.handle();
    EXPECT_EQ(window.create(), 1);
    EXPECT_EQ(window.handle(), first);
    EXPECT_EQ(window.DestroyObjectWindow(), 1);
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(window.DestroyObjectWindow(), 0);
    EXPECT_EQ(window.log, (Log{"OnDestroy", "OnShutdown", "OnAfterDestroy"}));
}

TEST(WindowObject, ForgetsAWindowThatWentWithItsOwner) {
    RecordingWindow window;
    {
        OwnerWindow owner(50, 50, 300, 200);
        ASSERT_EQ(window.create(owner.handle()), 1);
    }
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_EQ(window.create(), 1);
    window.DestroyObjectWindow();
}

struct WindowFixture : ::testing::Test {
    RecordingWindow window;
    void SetUp() override { ASSERT_EQ(window.create(), 1); }
    void TearDown() override { window.DestroyObjectWindow(); }
};

using WindowDispatch = WindowFixture;

TEST_F(WindowDispatch, CloseDestroysTheWindowThroughOnClose) {
    SendMessageA(window.handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_EQ(window.log, (Log{"OnDestroy", "OnShutdown", "OnAfterDestroy"}));
}

TEST_F(WindowDispatch, EndSessionShutsDownOnlyWhenWindowsEnds) {
    SendMessageA(window.handle(), WM_ENDSESSION, 0, 0x80000000);
    EXPECT_EQ(window.log, (Log{call("OnEndSession", 0, 0x80000000)}));
    window.log.clear();
    SendMessageA(window.handle(), WM_ENDSESSION, 1, 0);
    EXPECT_EQ(window.log, (Log{call("OnEndSession", 1, 0), "OnShutdown"}));
}

TEST_F(WindowDispatch, NotificationsAreAnsweredByTheControlObject) {
    AnsweringButton withObject;
    ASSERT_EQ(withObject.Create(window.handle(), 0, "&Object", 0, 0, 60, 20), 1);
    HWND withoutObject = CreateWindowExA(0, "BUTTON", "Plain", WS_CHILD, 0, 30, 60, 20,
                                         window.handle(), reinterpret_cast<HMENU>(77),
                                         GetModuleHandleA(nullptr), nullptr);
    NMHDR fromObject = {withObject.handle(), static_cast<UINT_PTR>(withObject.id()), NM_CLICK};
    NMHDR fromPlain = {withoutObject, 77, NM_CLICK};
    EXPECT_EQ(SendMessageA(window.handle(), WM_NOTIFY, fromObject.idFrom,
                           reinterpret_cast<LPARAM>(&fromObject)),
              5);
    EXPECT_EQ(SendMessageA(window.handle(), WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&fromPlain)),
              0);
    EXPECT_EQ(window.log, (Log{call("OnNotify", 77, NM_CLICK)}));

    // Commands are not reflected: a click reaches the window, not the button's callback.
    window.log.clear();
    withObject.SetCallback(&withObject, static_cast<ControlCallback>(&AnsweringButton::clicked));
    SendMessageA(withObject.handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(withObject.clicks, 0);
    EXPECT_EQ(window.log, (Log{call("OnCommand", MAKEWPARAM(withObject.id(), BN_CLICKED), 0)}));
}

TEST_F(WindowDispatch, OtherMessagesGoToDefWindowProcUnlessDefaultHandlerTookThem) {
    EXPECT_EQ(SendMessageA(window.handle(), WM_GETTEXTLENGTH, 0, 0), 8);  // "Recorder"
    window.handled = 1;
    EXPECT_EQ(SendMessageA(window.handle(), WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(window.log.size(), 2u);

    // A system command reaches its handler and then the platform, which closes the window.
    window.log.clear();
    SendMessageA(window.handle(), WM_INITMENU, 9, 0);
    SendMessageA(window.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(window.log, (Log{call("OnInitMenu", 9, 0), "OnSysCommand", "OnDestroy",
                               "OnShutdown", "OnAfterDestroy"}));
    EXPECT_EQ(window.handle(), nullptr);
}

}  // namespace
}  // namespace evenkeeper::test
