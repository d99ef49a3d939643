// The progress panel: its size from the text, its place over the owner's whole window, the
// paint that is done before Show returns, and its colours from one showing to the next.
#include <gtest/gtest.h>

#include <string>

#include "framework/ProgressWindow.h"
#include "framework/gui/GuiTestSupport.h"

namespace evenkeeper::test {
namespace {

struct ProgressFixture : ::testing::Test {
    OwnerWindow owner{100, 80, 500, 400};
    ProgressWindow progress;
    DisplayFont font;

    void TearDown() override { progress.Close(); }
    // Where the panel's top left corner must be: centred over the owner's window rectangle.
    POINT centredOverOwner(int width, int height) const {
        const RECT o = owner.windowRect();
        return {o.left + widthOf(o) / 2 - width / 2, o.top + heightOf(o) / 2 - height / 2};
    }
};

using ProgressPanel = ProgressFixture;

TEST_F(ProgressPanel, EmptyTextGivesTwelveCharactersByFiveLinesOverTheOwnersWindow) {
    ASSERT_EQ(progress.Show(owner.handle(), "", 0), 1);
    const RECT panel = windowRectOf(progress.handle());
    EXPECT_EQ(widthOf(panel), 12 * font.aveCharWidth);
    EXPECT_EQ(heightOf(panel), 5 * font.lineHeight);
    const POINT expected = centredOverOwner(widthOf(panel), heightOf(panel));
    EXPECT_EQ(panel.left, expected.x);
    EXPECT_EQ(panel.top, expected.y);
    // The owner's caption makes the window rectangle differ from the client area's.
    POINT clientOrigin = {0, 0};
    ClientToScreen(owner.handle(), &clientOrigin);
    const RECT client = clientRectOf(owner.handle());
    EXPECT_NE(panel.top, clientOrigin.y + client.bottom / 2 - heightOf(panel) / 2);
}

TEST_F(ProgressPanel, LongTextWidensThePanelPastTheScreen) {
    const std::string text(300, 'w');
    ASSERT_EQ(progress.Show(owner.handle(), text.c_str(), 0), 1);
    const RECT panel = windowRectOf(progress.handle());
    EXPECT_EQ(widthOf(panel), 312 * font.aveCharWidth);
    EXPECT_GT(widthOf(panel), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(panel.left, centredOverOwner(widthOf(panel), heightOf(panel)).x);
    EXPECT_LT(panel.left, 0);
}

TEST_F(ProgressPanel, IsPaintedInItsSunkenFrameBeforeShowReturns) {
    progress.SetColours(0, 0x90EE90);
    ASSERT_EQ(progress.Show(owner.handle(), "Finding differences...", 0), 1);
    // No message has been processed since Show: what is there was painted by Show.
    HWND panel = progress.handle();
    const RECT client = clientRectOf(panel);
    const int left = 3 * font.aveCharWidth, top = font.lineHeight;
    const int right = client.right - 3 * font.aveCharWidth, bottom = client.bottom - font.lineHeight;
    EXPECT_EQ(pixelAt(panel, left - 1, top + 2), 0x90EE90u);
    EXPECT_EQ(pixelAt(panel, left, top + 2), 0x000000u);
    EXPECT_EQ(pixelAt(panel, left + 2, top), 0x000000u);
    EXPECT_EQ(pixelAt(panel, right, bottom - 2), 0xFFFFFFu);
    EXPECT_EQ(pixelAt(panel, right - 2, bottom), 0xFFFFFFu);
    EXPECT_EQ(pixelAt(panel, left + 2, top + 2), 0x90EE90u);

    // The next phase sets no colours and gets the same.
    EXPECT_EQ(progress.Close(), 1);
    EXPECT_EQ(progress.Close(), 0);
    ASSERT_EQ(progress.Show(owner.handle(), "Copying files...", 0), 1);
    EXPECT_EQ(pixelAt(progress.handle(), left + 2, top + 2), 0x90EE90u);
}

TEST_F(ProgressPanel, DisablesTheOwnerOnlyWhenAsked) {
    progress.Show(owner.handle(), "Scanning folders...", 0);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
    // A second Show while the panel is up makes no second panel.
    HWND first = progress.handle();
    EXPECT_EQ(progress.Show(owner.handle(), "Scanning folders...", 0), 1);
    EXPECT_EQ(progress.handle(), first);
    progress.Close();

    progress.Show(owner.handle(), "Moving files...", 1);
    EXPECT_FALSE(IsWindowEnabled(owner.handle()));
    progress.Close();
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
}

}  // namespace
}  // namespace evenkeeper::test
