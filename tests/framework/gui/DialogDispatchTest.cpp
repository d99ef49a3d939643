// Dialog dispatch through DialogRouter with the test dialog resource: control objects that
// attach to the resource's controls, commands and notifications that reach a control
// object or the dialog's handler, the answers the dialog manager gets, and a modal run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/ButtonControl.h"
#include "framework/Dialog.h"
#include "framework/EditControl.h"
#include "framework/ListViewControl.h"
#include "framework/ModuleInstance.h"
#include "framework/gui/GuiTestSupport.h"
#include "framework/gui/TestResources.h"
#include "platform/MessagePump.h"

namespace evenkeeper::test {
namespace {

using Log = std::vector<std::string>;

std::string call(const char* name, WPARAM wParam, LPARAM lParam) {
    char text[96];
    std::snprintf(text, sizeof text, "%s(%llu,%lld)", name,
                  static_cast<unsigned long long>(wParam), static_cast<long long>(lParam));
    return text;
}

// Logs the handlers that the dispatch calls, and attaches the control objects.
class RecordingDialog : public Dialog, public ControlCallbackTarget {
public:
    Log log;
    EditControl edit;
    ButtonControl button;
    struct RecordingList : ListViewControl {
        Log notifications;
        int OnReflectedNotify(NMHDR* header) override {
            notifications.push_back(call("OnReflectedNotify", header->idFrom, header->code));
            return 0;
        }
    } list;
    struct RecordingDrawnButton : ButtonControl {
        int drawn = 0;
        void OnReflectedDrawItem(const DRAWITEMSTRUCT&) override { ++drawn; }
    } drawnButton;
    std::function<void(HWND)> onInit;

    void clicked(int id) { log.push_back(call("clicked", id, 0)); }

protected:
    INT_PTR DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETFONT || message == WM_USER) log.push_back(call("DefaultHandler", message, 0));
        return Dialog::DefaultHandler(message, wParam, lParam);
    }
    INT_PTR OnInitDialog() override {
        log.push_back("OnInitDialog");
        edit.Create(handle(), TEST_EDIT, "attached", CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT);
        button.Create(handle(), TEST_BUTTON, "&Go", CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT);
        list.Create(handle(), TEST_LIST, "", CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT);
        drawnButton.Create(handle(), TEST_DRAWN_BUTTON, "", CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT);
        if (onInit) onInit(handle());
        return 1;
    }
    void OnCommand(WPARAM wParam, LPARAM lParam) override {
        log.push_back(call("OnCommand", wParam, lParam));
        if (LOWORD(wParam) == IDCANCEL) EndDialog(handle(), 42);
    }
    void OnNotify(WPARAM wParam, LPARAM lParam) override {
        log.push_back(call("OnNotify", wParam, reinterpret_cast<NMHDR*>(lParam)->code));
    }
    void OnDrawItem(WPARAM wParam, LPARAM) override { log.push_back(call("OnDrawItem", wParam, 0)); }
    void OnKeyDown(WPARAM wParam, LPARAM lParam) override {
        log.push_back(call("OnKeyDown", wParam, lParam));
    }
    void OnTimer(WPARAM wParam) override { log.push_back(call("OnTimer", wParam, 0)); }
    void OnInitMenu() override { log.push_back("OnInitMenu"); }
};

struct DialogFixture : ::testing::Test {
    RecordingDialog dialog;
    HWND window = nullptr;

    void SetUp() override {
        window = CreateDialogParamA(moduleInstance(), MAKEINTRESOURCEA(TEST_DIALOG), nullptr,
                                    DialogRouter, reinterpret_cast<LPARAM>(&dialog));
        ASSERT_NE(window, nullptr);
        dialog.log.clear();
    }
    void TearDown() override { DestroyWindow(window); }
    void pump() { systemMessagePump().pumpMessages(); }
};

using DialogControls = DialogFixture;

TEST_F(DialogControls, ObjectsAttachToTheResourcesControlsWhichKeepTheirStyle) {
    HWND edit = GetDlgItem(window, TEST_EDIT);
    EXPECT_EQ(dialog.edit.handle(), edit);
    EXPECT_EQ(dialog.button.handle(), GetDlgItem(window, TEST_BUTTON));
    EXPECT_EQ(dialog.list.handle(), GetDlgItem(window, TEST_LIST));
    EXPECT_EQ(Control::fromWindow(edit), &dialog.edit);
    EXPECT_EQ(Control::fromWindow(GetDlgItem(window, TEST_PLAIN_LIST)), nullptr);
    EXPECT_EQ(childrenOf(window).size(), size_t{TEST_DIALOG_CONTROLS});
    // The resource's read-only single-line field, not the object's scrolling one.
    const LONG style = GetWindowLongA(edit, GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_FALSE(style & (WS_HSCROLL | ES_MULTILINE));
    char text[32] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "attached");
}

// Runs in a process of its own, so that no other test has drawn ids from the counter.
void createControlsWithIdZero() {
    RecordingDialog dialog;
    HWND window = CreateDialogParamA(moduleInstance(), MAKEINTRESOURCEA(TEST_DIALOG), nullptr,
                                     DialogRouter, reinterpret_cast<LPARAM>(&dialog));
    EditControl first, second;
    ButtonControl third;
    first.Create(window, 0, "first", 5, 6, 70, 40);
    second.Create(window, 0, "second", 5, 50, 70, 40);
    const RECT rect = windowRectOf(first.handle());
    const LONG style = GetWindowLongA(first.handle(), GWL_STYLE);
    const LONG extendedStyle = GetWindowLongA(first.handle(), GWL_EXSTYLE);
    const int firstId = GetDlgCtrlID(first.handle());
    DestroyWindow(first.handle());
    DestroyWindow(second.handle());
    third.Create(window, 0, "&Third", 5, 100, 70, 20);
    std::fprintf(stderr, "ids %d %d %d window ids %d size %dx%d multiline %d edge %d\n",
                 first.id(), second.id(), third.id(), firstId, widthOf(rect), heightOf(rect),
                 (style & (ES_MULTILINE | WS_HSCROLL)) == (ES_MULTILINE | WS_HSCROLL),
                 (extendedStyle & WS_EX_CLIENTEDGE) != 0);
    DestroyWindow(window);
    std::exit(0);
}

TEST(DialogControlIds, ControlsMadeWithIdZeroCountFrom900WithTheirObjectsStyles) {
    EXPECT_EXIT(createControlsWithIdZero(), ::testing::ExitedWithCode(0),
                "ids 900 901 902 window ids 900 size 70x40 multiline 1 edge 1");
}

using DialogDispatch = DialogFixture;

TEST_F(DialogDispatch, CommandsReachOnCommandUnlessTheControlDealtWithThem) {
    HWND button = dialog.button.handle();
    SetFocus(button);  // so that the click below moves no focus
    pump();
    dialog.log.clear();
    PostMessageA(window, WM_COMMAND, 40006, 0);  // a menu command
    PostMessageA(button, BM_CLICK, 0, 0);
    pump();
    EXPECT_EQ(dialog.log, (Log{call("OnCommand", 40006, 0),
                               call("OnCommand", MAKEWPARAM(TEST_BUTTON, BN_CLICKED),
                                    reinterpret_cast<LPARAM>(button))}));

    // With a callback the button deals with its click itself; other codes still come.
    dialog.log.clear();
    dialog.button.SetCallback(&dialog, static_cast<ControlCallback>(&RecordingDialog::clicked));
    dialog.edit.SetCallback(&dialog, static_cast<ControlCallback>(&RecordingDialog::clicked));
    PostMessageA(button, BM_CLICK, 0, 0);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(TEST_BUTTON, BN_DOUBLECLICKED),
                 reinterpret_cast<LPARAM>(button));
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(TEST_EDIT, EN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(dialog.edit.handle()));
    pump();
    EXPECT_EQ(dialog.log, (Log{call("clicked", TEST_BUTTON, 0),
                               call("OnCommand", MAKEWPARAM(TEST_BUTTON, BN_DOUBLECLICKED),
                                    reinterpret_cast<LPARAM>(button)),
                               call("clicked", TEST_EDIT, 0)}));
}

TEST_F(DialogDispatch, NotificationsReachTheListObjectOrOnNotifyAndAreAnswered1) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<char*>("row");
    SendMessageA(dialog.list.handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(GetDlgItem(window, TEST_PLAIN_LIST), LVM_INSERTITEMA, 0,
                 reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(dialog.list.notifications, (Log{call("OnReflectedNotify", TEST_LIST, LVN_INSERTITEM)}));
    EXPECT_EQ(dialog.log, (Log{call("OnNotify", TEST_PLAIN_LIST, LVN_INSERTITEM)}));

    // The dialog manager hides the answer; the router gives it.
    for (int id : {TEST_LIST, TEST_PLAIN_LIST}) {
        NMHDR header = {GetDlgItem(window, id), static_cast<UINT_PTR>(id), NM_CLICK};
        EXPECT_EQ(DialogRouter(window, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&header)), 1);
    }
}

TEST_F(DialogDispatch, OwnerDrawnControlsAreDrawnByTheirObjectOrByOnDrawItem) {
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    pump();
    EXPECT_GE(dialog.drawnButton.drawn, 1);
    const auto drawnByDialog = std::count(dialog.log.begin(), dialog.log.end(),
                                          call("OnDrawItem", TEST_PLAIN_DRAWN_BUTTON, 0));
    const auto drawnAtAll = std::count_if(dialog.log.begin(), dialog.log.end(),
                                          [](const std::string& entry) {
                                              return entry.rfind("OnDrawItem", 0) == 0;
                                          });
    EXPECT_GE(drawnByDialog, 1);
    EXPECT_EQ(drawnAtAll, drawnByDialog);
}

TEST_F(DialogDispatch, HandlersGetTheirArgumentsAndDefaultsGiveTheirAnswers) {
    SendMessageA(window, WM_KEYDOWN, 0x41, 0x1E0001);
    SendMessageA(window, WM_TIMER, 7, 0);
    SendMessageA(window, WM_INITMENU, 5, 0);
    SendMessageA(window, WM_USER, 1, 2);
    EXPECT_EQ(dialog.log, (Log{call("OnKeyDown", 0x41, 0x1E0001), call("OnTimer", 7, 0),
                               "OnInitMenu", call("DefaultHandler", WM_USER, 0)}));

    // A dialog that overrides nothing.
    Dialog plain;
    HWND other = CreateDialogParamA(moduleInstance(), MAKEINTRESOURCEA(TEST_DIALOG), nullptr,
                                    DialogRouter, reinterpret_cast<LPARAM>(&plain));
    EXPECT_EQ(plain.handle(), other);
    const struct {
        UINT message;
        INT_PTR answer;
    } answers[] = {
        {WM_QUERYENDSESSION, 1}, {WM_VKEYTOITEM, -1}, {WM_CREATE, -1},   {WM_INITDIALOG, 1},
        {WM_CTLCOLORLISTBOX, 0}, {WM_CLOSE, 0},       {WM_ENDSESSION, 0}, {WM_MENUSELECT, 0},
    };
    for (const auto& a : answers) {
        EXPECT_EQ(DialogRouter(other, a.message, 0, a.message == WM_INITDIALOG
                                                        ? reinterpret_cast<LPARAM>(&plain)
                                                        : 0),
                  a.answer)
            << "message 0x" << std::hex << a.message;
    }
    // What the system sees: a dialog lets the session end.
    EXPECT_EQ(SendMessageA(other, WM_QUERYENDSESSION, 0, 0), 1);
    DestroyWindow(other);
}

TEST(DialogRun, AModalRunEndsWithTheEndDialogValueAndSeesNothingBeforeInit) {
    RecordingDialog dialog;
    dialog.onInit = [](HWND window) { PostMessageA(window, WM_COMMAND, IDCANCEL, 0); };
    const INT_PTR result = DialogBoxParamA(moduleInstance(), MAKEINTRESOURCEA(TEST_DIALOG),
                                           nullptr, DialogRouter,
                                           reinterpret_cast<LPARAM>(&dialog));
    EXPECT_EQ(result, 42);
    // WM_SETFONT comes before WM_INITDIALOG: the router answers it without the object.
    ASSERT_FALSE(dialog.log.empty());
    EXPECT_EQ(dialog.log.front(), "OnInitDialog");
    EXPECT_EQ(std::count(dialog.log.begin(), dialog.log.end(), call("DefaultHandler", WM_SETFONT, 0)), 0);
    EXPECT_EQ(std::count(dialog.log.begin(), dialog.log.end(), call("OnCommand", IDCANCEL, 0)), 1);
}

}  // namespace
}  // namespace evenkeeper::test
