// Centring arithmetic of the dialogs, boxes and the progress panel, the lines of a box
// text, and the trailing backslash of a browsed folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/layout/Centring.h"
#include "framework/layout/FolderPath.h"
#include "framework/layout/ProgressLayout.h"
#include "framework/layout/TextLines.h"

namespace evenkeeper {
namespace {

TEST(CentredPosition, CentresWithinTheReference) {
    // Owner 100..500 x 100..400, window 201 x 101 pixels (right and bottom inclusive).
    EXPECT_EQ(centredPosition({100, 100, 500, 400}, {0, 0, 200, 100}), (Point{200, 200}));
    // The same window twice: it is where it was.
    EXPECT_EQ(centredPosition({100, 100, 500, 400}, {200, 200, 400, 300}), (Point{200, 200}));
}

TEST(CentredPosition, ALargerWindowStopsAtZeroNotAtTheOwnersEdge) {
    // Centring would give a negative position: it becomes 0.
    EXPECT_EQ(centredPosition({10, 10, 110, 110}, {0, 0, 300, 200}), (Point{0, 0}));
    // The right and bottom edges stay within the owner's, the left and top may pass it.
    EXPECT_EQ(centredPosition({300, 300, 500, 500}, {0, 0, 300, 50}), (Point{199, 375}));
}

TEST(CentredPosition, FullScreenAreaWhenThereIsNoOwner) {
    EXPECT_EQ(centredPosition({0, 0, 1024, 740}, {0, 0, 220, 96}), (Point{402, 322}));
}

TEST(ProgressLayout, SizeFollowsTheTextLength) {
    EXPECT_EQ(progressPanelSize(0, 7, 16), (Size{84, 80}));
    EXPECT_EQ(progressPanelSize(19, 7, 16), (Size{217, 80}));
    EXPECT_EQ(progressPanelSize(1000, 7, 16), (Size{7084, 80}));  // no limit
}

TEST(ProgressLayout, CentredOverTheOwnersWindowWithoutClamping) {
    EXPECT_EQ(centredOver({100, 50, 601, 451}, {84, 80}), (Point{308, 210}));
    EXPECT_EQ(centredOver({0, 0, 400, 300}, {7084, 80}), (Point{-3342, 110}));
}

TEST(ProgressLayout, TextRectangleLeavesThreeCharactersAndOneLine) {
    EXPECT_EQ(progressTextRect(84, 74, 7, 16), (Rect{21, 16, 63, 58}));
}

std::vector<std::string> lines(const char* text) {
    std::vector<std::string> result;
    for (const LineSpan& line : splitLines(text)) result.emplace_back(text + line.offset, line.length);
    return result;
}

TEST(BoxTextLines, SplitAtEachNewLine) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(lines("one"), Lines{"one"});
    EXPECT_EQ(lines("one\ntwo"), (Lines{"one", "two"}));
    EXPECT_EQ(lines("one\n\nthree"), (Lines{"one", "", "three"}));
    EXPECT_EQ(lines("one\n"), Lines{"one"});
    EXPECT_EQ(lines("one\n\n"), (Lines{"one", ""}));
    EXPECT_EQ(lines("\n"), Lines{""});
    EXPECT_EQ(lines(""), Lines{});
}

std::string finished(std::string path, std::size_t capacity = 260) {
    std::vector<char> buffer(capacity);
    path.copy(buffer.data(), path.size());
    return endWithBackslash(buffer.data(), capacity) ? std::string(buffer.data()) : "refused";
}

TEST(BrowsedFolder, EndsInExactlyOneBackslash) {
    EXPECT_EQ(finished("C:\\Data"), "C:\\Data\\");
    EXPECT_EQ(finished("C:\\"), "C:\\");
    // A one-letter server name is not mistaken for a drive root.
    EXPECT_EQ(finished("\\\\a\\share"), "\\\\a\\share\\");
    EXPECT_EQ(finished(std::string(258, 'x')), std::string(258, 'x') + "\\");
    // 259 characters leave no room in 260 bytes for the backslash and the terminator.
    EXPECT_EQ(finished(std::string(259, 'x')), "refused");
}

}  // namespace
}  // namespace evenkeeper
