// The about box: its elliptic shape and size with and without a link, its Ok button, and
// the link that opens its address with the shell and closes the box with IDOK.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/AboutBoxWindow.h"
#include "framework/gui/GuiTestSupport.h"
#include "framework/gui/TestResources.h"

namespace evenkeeper::test {
namespace {

constexpr const char* kAboutText = "Evenkeeper 1.02\n(c) TamrelFreeware";

struct AboutFixture : ::testing::Test {
    OwnerWindow owner{150, 100, 600, 400};
    AboutBoxWindow about;
    DisplayFont font;

    int show(const char* link, const std::function<void(HWND)>& whileUp) {
        WhenIdle script([&] {
            UpdateWindow(about.handle());  // the link is made by the first paint
            whileUp(about.handle());
        });
        script.watch([&] { return about.handle(); });
        const int result =
            about.Show(owner.handle(), kAboutText, link, 0, TEST_ICON, 0, 0xC0C0C0, 0x808080);
        EXPECT_FALSE(script.stillUp());
        return result;
    }
};

using AboutBox = AboutFixture;

TEST_F(AboutBox, IsAnEllipseWithItsOkButtonAndALinkBelowTheText) {
    RECT window = {};
    std::vector<ChildInfo> children;
    bool cornerInside = true, middleInside = false;
    const int result = show("http://www.example.org/evenkeeper/", [&](HWND box) {
        window = windowRectOf(box);
        children = childrenOf(box);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(box, region);
        cornerInside = PtInRegion(region, 2, 2);
        middleInside = PtInRegion(region, widthOf(window) / 2, heightOf(window) / 2);
        DeleteObject(region);
        postKey(GetFocus(), VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(cornerInside);
    EXPECT_TRUE(middleInside);
    EXPECT_TRUE(IsWindowEnabled(owner.handle()));
    ASSERT_EQ(children.size(), 2u);
    const ChildInfo& ok = children[0];
    const ChildInfo& link = children[1];
    EXPECT_EQ(ok.text, "&Ok");
    EXPECT_EQ(ok.rect.left, widthOf(window) / 2 - 30);
    EXPECT_EQ(ok.rect.top, heightOf(window) - 3 * font.lineHeight);
    EXPECT_EQ(link.style & 0x0F, BS_OWNERDRAW);
    // One line below the two text lines that start under the icon.
    EXPECT_EQ(link.rect.top, 2 * font.lineHeight + 32 + 3 * font.lineHeight);
    EXPECT_NEAR(link.rect.left + widthOf(link.rect) / 2, widthOf(window) / 2, 1);
}

TEST_F(AboutBox, WithoutALinkIsTwoLinesLowerAndHasOnlyItsButton) {
    RECT withLink = {}, withoutLink = {};
    size_t childrenWithout = 0;
    show("http://www.example.org/", [&](HWND box) {
        withLink = windowRectOf(box);
        postKey(GetFocus(), 'O');
    });
    EXPECT_EQ(show("", [&](HWND box) {
                  withoutLink = windowRectOf(box);
                  childrenWithout = childrenOf(box).size();
                  postKey(GetFocus(), VK_RETURN);
              }),
              IDOK);
    EXPECT_EQ(heightOf(withLink) - heightOf(withoutLink), 2 * font.lineHeight);
    EXPECT_EQ(widthOf(withLink), widthOf(withoutLink));
    EXPECT_EQ(childrenWithout, 1u);
}

TEST_F(AboutBox, ClickingTheLinkOpensItsAddressAndClosesTheBoxWithOk) {
    // The shell opens whatever the link names; a batch file shows that it was opened.
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string script = std::string(folder) + "evenkeeper-link.bat";
    const std::string marker = std::string(folder) + "evenkeeper-link.txt";
    DeleteFileA(marker.c_str());
    FILE* batch = std::fopen(script.c_str(), "w");
    ASSERT_NE(batch, nullptr);
    std::fprintf(batch, "@echo opened> \"%s\"\r\n", marker.c_str());
    std::fclose(batch);

    const int result = show(script.c_str(), [](HWND box) {
        PostMessageA(childrenOf(box).back().window, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(about.handle(), nullptr);
    // The shell starts the batch file in a process of its own: wait for what it writes.
    const DWORD deadline = GetTickCount() + 20000;
    while (GetFileAttributesA(marker.c_str()) == INVALID_FILE_ATTRIBUTES &&
           GetTickCount() < deadline)
        Sleep(50);
    EXPECT_NE(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(marker.c_str());
    DeleteFileA(script.c_str());
}

}  // namespace
}  // namespace evenkeeper::test
