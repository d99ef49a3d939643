// The message box and about box arithmetic: which buttons a flag set gives and where they
// go, how the keyboard moves between them, and how big the boxes come out.
#include <gtest/gtest.h>

#include <string>

#include "framework/layout/BoxButtonLayout.h"
#include "framework/layout/BoxGeometry.h"
#include "framework/layout/Mnemonic.h"

namespace evenkeeper {
namespace {

std::string describe(const BoxButtonSet& set) {
    std::string text;
    for (int i = 0; i < set.count; ++i) {
        const BoxButton& b = set.buttons[i];
        text += std::string(i ? " " : "") + b.text + "@" + std::to_string(b.xOffset) + "=" +
                std::to_string(b.result);
    }
    return text;
}

TEST(BoxButtonSets, EachFlagSetGivesItsButtonsOffsetsAndResults) {
    const struct {
        unsigned flags;
        const char* expected;
    } cases[] = {
        {0x00, "&Ok@-30=1"},
        {0x01, "&Ok@-70=1 &Cancel@10=2"},
        {0x04, "&Yes@-70=6 &No@10=7"},
        {0x03, "&Yes@-100=6 &No@-30=7 &Cancel@40=2"},
        {0x23, "&Yes@-100=6 &No@-30=7 &Cancel@40=2"},  // icon bits do not matter
        {0x02, "&Ok@-30=1"},                          // abort/retry/ignore is not offered
        {0x05, "&Ok@-30=1"},
        {0x0F, "&Ok@-30=1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describe(boxButtonSet(c.flags)), c.expected) << "flags " << c.flags;
    EXPECT_EQ(describe(aboutButtonSet()), "&Ok@-30=1");
}

TEST(BoxButtonSets, ButtonsSitTwoLinesAboveTheBottomAroundTheMiddle) {
    const BoxButtonSet set = boxButtonSet(kYesNoCancel);
    EXPECT_EQ(boxButtonOrigin(set.buttons[0], 301, 200, 16), (Point{50, 168}));
    EXPECT_EQ(boxButtonOrigin(set.buttons[2], 301, 200, 16), (Point{190, 168}));
}

TEST(BoxButtonKeys, DefaultButtonFollowsTheFlagsWithinTheButtonsInUse) {
    EXPECT_EQ(defaultButtonIndex(0x03, 3), 0);
    EXPECT_EQ(defaultButtonIndex(0x103, 3), 1);
    EXPECT_EQ(defaultButtonIndex(0x203, 3), 2);
    // A default button the set does not have falls back to the first.
    EXPECT_EQ(defaultButtonIndex(0x200, 1), 0);
    EXPECT_EQ(defaultButtonIndex(0x204, 2), 0);
}

TEST(BoxButtonKeys, TabAndLeftWrapAround) {
    EXPECT_EQ(nextButton(0, 3), 1);
    EXPECT_EQ(nextButton(2, 3), 0);
    EXPECT_EQ(nextButton(0, 1), 0);
    EXPECT_EQ(previousButton(1, 3), 0);
    EXPECT_EQ(previousButton(0, 3), 2);
    EXPECT_EQ(previousButton(0, 1), 0);
}

TEST(BoxButtonKeys, MnemonicIsTheCharacterAfterTheFirstAmpersand) {
    EXPECT_EQ(mnemonicOf("&Cancel"), 'C');
    EXPECT_EQ(mnemonicOf("Save && E&xit"), '&');
    EXPECT_EQ(mnemonicOf("Plain"), 0);
    EXPECT_EQ(mnemonicOf("Trailing&"), 0);
    EXPECT_EQ(mnemonicOf(""), 0);
}

TEST(BoxIcons, IconBitsChooseTheSystemIcon) {
    EXPECT_EQ(systemIconId(0x10), 32513);
    EXPECT_EQ(systemIconId(0x24), 32514);
    EXPECT_EQ(systemIconId(0x30), 32515);
    EXPECT_EQ(systemIconId(0x40), 32516);
    EXPECT_EQ(systemIconId(0x03), 0);
    EXPECT_EQ(systemIconId(0x50), 0);
}

TEST(MessageBoxLayout, TextRectangleStartsRightOfTheIconAndLeavesRoomForTheButtons) {
    const BoxTextMetrics oneLine{10, 16, 1, 100};
    // With an icon: 64 + widest + 4 character widths.
    EXPECT_EQ(messageBoxTextRect(0x30, true, oneLine), (Rect{64, 16, 204, 40}));
    // Without an icon the text starts at 8.
    EXPECT_EQ(messageBoxTextRect(0x00, false, oneLine), (Rect{8, 16, 148, 40}));
    // A very short text still leaves 10 (two buttons) or 13 (three) line heights.
    const BoxTextMetrics tiny{10, 16, 1, 5};
    EXPECT_EQ(messageBoxTextRect(kYesNo, false, tiny).right, 160);
    EXPECT_EQ(messageBoxTextRect(kOkCancel, true, tiny).right, 160);
    EXPECT_EQ(messageBoxTextRect(kYesNoCancel, false, tiny).right, 208);
    EXPECT_EQ(messageBoxSize(messageBoxTextRect(kYesNo, false, tiny), tiny), (Size{176, 112}));
}

TEST(MessageBoxLayout, HeightGrowsByOneLineHeightPerLine) {
    const Rect text{64, 16, 204, 0};
    EXPECT_EQ(messageBoxSize(text, {10, 16, 0, 0}), (Size{220, 96}));
    EXPECT_EQ(messageBoxSize(text, {10, 16, 3, 0}), (Size{220, 144}));
    EXPECT_EQ(messageBoxTextRect(0x30, true, {10, 16, 3, 0}).bottom, 16 * 4 + 8);
}

TEST(MessageBoxLayout, StartsCentredInTheOwnersClientArea) {
    EXPECT_EQ(initialBoxOrigin({400, 300}, {221, 97}), (Point{90, 102}));
    EXPECT_EQ(initialBoxOrigin({0, 0}, {220, 96}), (Point{-110, -48}));
}

TEST(AboutBoxGeometry, ALinkAddsTwoLinesOfHeight) {
    const BoxTextMetrics text{10, 16, 2, 150};
    EXPECT_EQ(aboutBoxSize(text, true), (Size{190, 192}));
    EXPECT_EQ(aboutBoxSize(text, false), (Size{190, 160}));
    EXPECT_EQ(aboutButtonOrigin({191, 193}, 16), (Point{65, 145}));
    EXPECT_EQ(aboutFirstLineTop(16), 64);
    EXPECT_EQ(aboutLinkOrigin(191, {101, 14}, 96, 16), (Point{45, 112}));
}

}  // namespace
}  // namespace evenkeeper
