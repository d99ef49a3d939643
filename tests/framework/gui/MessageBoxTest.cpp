// The message box driven as a user would: keys and clicks posted to its buttons while Show
// waits. Buttons, focus and results for every flag set, closing without a button, and the
// geometry that follows from the text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/MessageBoxWindow.h"
#include "framework/gui/GuiTestSupport.h"
#include "framework/layout/Centring.h"

namespace evenkeeper::test {
namespace {

constexpr COLORREF kGrey = 0xC0C0C0;
constexpr COLORREF kShadow = 0x808080;
constexpr COLORREF kWhite = 0xFFFFFF;

struct BoxFixture : ::testing::Test {
    OwnerWindow owner{150, 100, 600, 400};
    MessageBoxWindow box;
    DisplayFont font;

    // Shows the box and runs `whileUp` with its window once it waits for an answer.
    int show(const char* text, unsigned flags, const std::function<void(HWND)>& whileUp,
             const char* caption = "Evenkeeper", int iconId = 0) {
        WhenIdle script([&] { whileUp(box.handle()); });
        script.watch([&] { return box.handle(); });
        const int result = box.Show(owner.handle(), text, caption, flags, iconId, 0, kGrey,
                                    kShadow);
        EXPECT_FALSE(script.stillUp()) << "the box did not answer";
        return result;
    }
};

using MessageBoxButtons = BoxFixture;

TEST_F(MessageBoxButtons, EachFlagSetShowsItsButtonsFocusAndEnterResult) {
    const struct {
        unsigned flags;
        std::vector<std::string> texts;
        std::vector<int> offsets;  // of each left edge from the middle of the client area
        int focused;
        int enter;
    } cases[] = {
        {0x30, {"&Ok"}, {-30}, 0, IDOK},
        {0x00, {"&Ok"}, {-30}, 0, IDOK},
        {0x01, {"&Ok", "&Cancel"}, {-70, 10}, 0, IDOK},
        {0x24, {"&Yes", "&No"}, {-70, 10}, 0, IDYES},
        {0x23, {"&Yes", "&No", "&Cancel"}, {-100, -30, 40}, 0, IDYES},
        {0x123, {"&Yes", "&No", "&Cancel"}, {-100, -30, 40}, 1, IDNO},
        {0x223, {"&Yes", "&No", "&Cancel"}, {-100, -30, 40}, 2, IDCANCEL},
        {0x101, {"&Ok", "&Cancel"}, {-70, 10}, 1, IDCANCEL},
        {0x02, {"&Ok"}, {-30}, 0, IDOK},  // a set the box does not offer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << c.flags);
        std::vector<ChildInfo> buttons;
        RECT client = {};
        HWND focus = nullptr;
        const int result = show("Save Sync info?", c.flags, [&](HWND window) {
            buttons = childrenOf(window);
            client = clientRectOf(window);
            focus = GetFocus();
            postKey(focus, VK_RETURN);
        });
        EXPECT_EQ(result, c.enter);
        ASSERT_EQ(buttons.size(), c.texts.size());
        for (size_t i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i].text, c.texts[i]);
            EXPECT_EQ(buttons[i].rect.left, client.right / 2 + c.offsets[i]) << i;
            EXPECT_EQ(buttons[i].rect.top, client.bottom - 2 * font.lineHeight) << i;
            EXPECT_EQ(widthOf(buttons[i].rect), 60);
            EXPECT_EQ(heightOf(buttons[i].rect), 30);
        }
        EXPECT_EQ(focus, buttons[c.focused].window);
    }
}

using MessageBoxKeys = BoxFixture;

TEST_F(MessageBoxKeys, YesNoCancelAnswersKeysMnemonicsAndClicks) {
    const struct {
        const char* name;
        unsigned flags;
        std::vector<WPARAM> keys;  // posted in turn to the first button
        int expected;
    } cases[] = {
        {"Enter", 0x23, {VK_RETURN}, IDYES},
        {"N", 0x23, {'N'}, IDNO},
        {"C", 0x23, {'C'}, IDCANCEL},
        {"Y from the last button", 0x223, {'Y'}, IDYES},
        {"Left from the first wraps to the last", 0x23, {VK_LEFT, VK_RETURN}, IDCANCEL},
        {"Tab from the last wraps to the first", 0x223, {VK_TAB, VK_RETURN}, IDYES},
        {"Right, Right", 0x23, {VK_RIGHT, VK_RIGHT, VK_RETURN}, IDCANCEL},
        {"Tab", 0x23, {VK_TAB, VK_RETURN}, IDNO},
        {"a key without a button, then Enter", 0x23, {'X', VK_DOWN, VK_RETURN}, IDYES},
        {"O on an Ok box", 0x30, {'O'}, IDOK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int result = show("Save Sync info?", c.flags, [&](HWND window) {
            HWND first = GetWindow(window, GW_CHILD);
            for (WPARAM key : c.keys) postKey(first, key);
        });
        EXPECT_EQ(result, c.expected);
    }
    // A click on a button chooses it whichever has the focus.
    EXPECT_EQ(show("Delete this file?", 0x24,
                   [](HWND window) {
                       PostMessageA(FindWindowExA(window, nullptr, "BUTTON", "&No"), BM_CLICK,
                                    0, 0);
                   }),
              IDNO);
}

using MessageBoxClosing = BoxFixture;

TEST_F(MessageBoxClosing, ClosedWithoutAButtonGivesZeroAndEnablesTheOwner) {
    bool ownerEnabledWhileUp = true;
    const int result = show("Question?", 0x24, [&](HWND window) {
        ownerEnabledWhileUp = IsWindowEnabled(owner.handle());
        PostMessageA(window, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(ownerEnabledWhileUp);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
    EXPECT_EQ(box.handle(), nullptr);
    // The same object serves the next showing.
    EXPECT_EQ(show("Again", 0x30, [](HWND window) { postKey(GetWindow(window, GW_CHILD), 'O'); }),
              IDOK);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
}

TEST_F(MessageBoxClosing, AQuitMessageEndsTheWaitAndStaysForTheCallersLoop) {
    const int result = show("Question?", 0x23, [](HWND) { PostQuitMessage(3); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(box.handle(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
    MSG quit = {};
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 3u);
}

ULONGLONG processorTimeOfThisThread() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ticks = [](FILETIME t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return (ticks(kernel) + ticks(user)) / 10000;  // milliseconds
}

void CALLBACK closeTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageA(FindWindowA("CMSGCLASS", nullptr), WM_CLOSE, 0, 0);
}

TEST_F(MessageBoxClosing, WaitingForAnAnswerLeavesTheProcessorIdle) {
    // The measure itself: busy work shows up, however loaded the machine is.
    const ULONGLONG busyStart = processorTimeOfThisThread();
    for (const DWORD end = GetTickCount() + 10000;
         GetTickCount() < end && processorTimeOfThisThread() - busyStart < 250;) {
    }
    ASSERT_GE(processorTimeOfThisThread() - busyStart, 250u);

    const ULONGLONG waitStart = processorTimeOfThisThread();
    const DWORD wallStart = GetTickCount();
    const int result = show("Waiting", 0x30, [](HWND) { SetTimer(nullptr, 0, 1000, closeTheBox); });
    EXPECT_EQ(result, 0);
    EXPECT_GE(GetTickCount() - wallStart, 950u);
    // Polling the empty queue for that second took over a third of it.
    EXPECT_LT(processorTimeOfThisThread() - waitStart, 100u);
}

using MessageBoxGeometry = BoxFixture;

TEST_F(MessageBoxGeometry, NoticeWithIconHasASunkenFrameFromX64AndIsCentredOverItsOwner) {
    RECT window = {}, client = {};
    COLORREF leftEdge = 0, rightEdge = 0, pastRight = 0, insideLeft = 0;
    const int bottom = font.lineHeight * 3 + 8;  // two lines
    show("Folder does not exist:\nC:\\Nowhere\\", 0x30, [&](HWND box) {
        UpdateWindow(box);
        window = windowRectOf(box);
        client = clientRectOf(box);
        const int right = widthOf(window) - 16;
        leftEdge = pixelAt(box, 64, font.lineHeight + 5);
        insideLeft = pixelAt(box, 65, font.lineHeight + 5);
        rightEdge = pixelAt(box, right, bottom - 5);
        pastRight = pixelAt(box, right + 1, bottom - 5);
        postKey(GetWindow(box, GW_CHILD), VK_RETURN);
    });
    EXPECT_EQ(leftEdge, kShadow);
    EXPECT_EQ(insideLeft, kGrey);
    EXPECT_EQ(rightEdge, kWhite);
    EXPECT_EQ(pastRight, kGrey);
    EXPECT_EQ(heightOf(window), font.lineHeight * 8);
    const Point centred = centredPosition(
        {owner.windowRect().left, owner.windowRect().top, owner.windowRect().right,
         owner.windowRect().bottom},
        {window.left, window.top, window.right, window.bottom});
    EXPECT_EQ(window.left, centred.x);
    EXPECT_EQ(window.top, centred.y);
}

TEST_F(MessageBoxGeometry, ShortTextsStillLeaveRoomForTwoOrThreeButtons) {
    const struct {
        unsigned flags;
        int lineHeights;
    } cases[] = {{0x04, 10}, {0x01, 10}, {0x03, 13}};
    for (const auto& c : cases) {
        RECT window = {};
        show("x", c.flags, [&](HWND box) {
            window = windowRectOf(box);
            PostMessageA(box, WM_CLOSE, 0, 0);
        }, "E");
        EXPECT_GE(widthOf(window), c.lineHeights * font.lineHeight + 16) << c.flags;
        // Where the text alone would be narrower, the buttons set the width exactly.
        if (font.textWidth("x") + 4 * font.maxCharWidth + 8 < c.lineHeights * font.lineHeight) {
            EXPECT_EQ(widthOf(window), c.lineHeights * font.lineHeight + 16) << c.flags;
        }
    }
    // This display font is narrow enough for that with three buttons.
    ASSERT_LT(font.textWidth("x") + 4 * font.maxCharWidth + 8, 13 * font.lineHeight);
}

TEST_F(MessageBoxGeometry, LinesComeFromTheNewLinesAndNoIconMeansNoFrame) {
    const struct {
        const char* text;
        int lines;
    } cases[] = {{"one\n\nthree", 3}, {"one\n", 1}, {"one\ntwo", 2}, {"", 0}};
    for (const auto& c : cases) {
        RECT window = {};
        COLORREF frameCorner = 0;
        show(c.text, 0x00, [&](HWND box) {
            UpdateWindow(box);
            window = windowRectOf(box);
            frameCorner = pixelAt(box, 8, font.lineHeight + 1);
            PostMessageA(box, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(heightOf(window), font.lineHeight * (c.lines + 6)) << c.text;
        EXPECT_EQ(frameCorner, kGrey) << c.text;
    }
}

TEST_F(MessageBoxGeometry, WithoutAnIconTheCaptionCountsForTheWidth) {
    const char* caption = "A caption far wider than the text of the box";
    RECT window = {};
    show("x", 0x00, [&](HWND box) {
        window = windowRectOf(box);
        PostMessageA(box, WM_CLOSE, 0, 0);
    }, caption);
    EXPECT_EQ(widthOf(window), font.textWidth(caption) + 4 * font.maxCharWidth + 8 + 16);
    // With the program's icon the caption does not count.
    show("x", 0x00, [&](HWND box) {
        window = windowRectOf(box);
        PostMessageA(box, WM_CLOSE, 0, 0);
    }, caption, 102);
    EXPECT_EQ(widthOf(window), font.textWidth("x") + 4 * font.maxCharWidth + 64 + 16);
}

void mouseButton(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// Moves the pointer as the mouse would: a warp alone is not seen by a desktop that has just
// come up.
void mouseTo(int x, int y) {
    SetCursorPos(x, y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

TEST_F(MessageBoxGeometry, PressingTheLeftButtonBesideTheButtonsAndMovingDragsTheBox) {
    // One drag: how far the box moved. Input reaches the box through the X server, and each
    // step waits a few ticks for the last.
    const auto dragOnce = [&] {
        RECT before = {}, after = {};
        const auto wait = [] {};
        WhenIdle drag({
            [&] {
                before = windowRectOf(box.handle());
                mouseTo(before.left + 12, before.bottom - 12);
            },
            wait, wait,
            [] { mouseButton(MOUSEEVENTF_LEFTDOWN); },
            wait, wait,
            [&] { mouseTo(before.left + 12 + 40, before.bottom - 12 + 30); },
            wait, wait,
            [] { mouseButton(MOUSEEVENTF_LEFTUP); },
            wait, wait,
            [&] {
                after = windowRectOf(box.handle());
                PostMessageA(box.handle(), WM_CLOSE, 0, 0);
            },
        });
        drag.watch([&] { return box.handle(); });
        EXPECT_EQ(box.Show(owner.handle(), "Drag me", "Evenkeeper", 0x30, 0, 0, kGrey, kShadow), 0);
        EXPECT_FALSE(drag.stillUp());
        return POINT{after.left - before.left, after.top - before.top};
    };
    // A desktop that has just come up may miss the first press; a box that cannot be
    // dragged fails every try.
    POINT moved = {};
    for (int attempt = 0; attempt < 3 && moved.x == 0 && moved.y == 0; ++attempt) moved = dragOnce();
    EXPECT_EQ(moved.x, 40);
    EXPECT_EQ(moved.y, 30);
}

}  // namespace
}  // namespace evenkeeper::test
