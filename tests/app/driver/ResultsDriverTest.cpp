// The Results dialog of the real program, read from the pixels it draws: after a scan and
// from "View totals for folders", its lines for the plan the main dialog has, closed with "Ok".
#include <windows.h>

#include <algorithm>

#include "app/driver/DrawnLines.h"
#include "app/driver/DriverFixture.h"
#include "app/driver/Waiting.h"

namespace evenkeeper::driver {
namespace {

using Results = DriverTest;

// The lines once the dialog has drawn them and they stay as they are. Until it has painted,
// its place shows what was behind it, which leaves ink between the columns as well.
DrawnLines settledLines(HWND results) {
    DrawnLines last;
    waitUntil([&] {
        DrawnLines now = readDrawnLines(results);
        bool painted = !now.lines.empty() && now.lines[0].number &&
                       std::none_of(now.lines.begin(), now.lines.end(),
                                    [](const DrawnLine& line) { return line.gap; });
        bool settled = painted && inkPattern(now) == inkPattern(last);
        last = now;
        return settled;
    });
    return last;
}

// Drawn lines as a pattern of places: 1 a number and a label, 0 a blank place.
std::string expectedPattern(const std::string& drawn, const DrawnLines& lines) {
    return drawn + std::string(lines.lines.size() > drawn.size() ? lines.lines.size() - drawn.size() : 0, '0');
}

// Each number ends at its column's right edge and each label starts one character after it.
void expectColumns(const DrawnLines& drawn) {
    const int numberEnd = drawn.charWidth + 150;
    const int labelStart = numberEnd + drawn.charWidth;
    for (std::size_t i = 0; i < drawn.lines.size(); ++i) {
        const DrawnLine& line = drawn.lines[i];
        SCOPED_TRACE("line place " + std::to_string(i));
        EXPECT_FALSE(line.gap);
        if (!line.number) continue;
        EXPECT_GE(line.numberRight, numberEnd - 3);
        EXPECT_LE(line.numberRight, numberEnd);
        EXPECT_GE(line.labelLeft, labelStart);
        EXPECT_LE(line.labelLeft, labelStart + 3);
    }
}

std::string caption(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Before a scan "View totals for folders" has only the free space; after it, the plan's totals.
TEST_F(Results, ViewTotalsFollowsTheScanAndTheOperation) {
    top.file("a.txt", 1234567, kBaseTime);
    top.file("sub\\b.txt", 123, kBaseTime);
    bottom.file("old.txt", 10, kBaseTime);
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    chooseFolders(window);
    window.command(IDM_VIEW_TOTALS);
    HWND results = window.waitForResults();
    ASSERT_TRUE(results) << "no Results dialog";
    EXPECT_EQ(caption(results), "Results");
    EXPECT_FALSE(IsWindowEnabled(window.handle())) << "the Results dialog is not modal";
    DrawnLines drawn = settledLines(results);
    ASSERT_GE(drawn.lines.size(), 3u);
    // Free space twice and a blank line.
    EXPECT_EQ(inkPattern(drawn), expectedPattern("110", drawn));
    expectColumns(drawn);
    ASSERT_TRUE(window.closeResults());
    EXPECT_TRUE(IsWindowEnabled(window.handle()));

    window.click(IDC_SCAN);
    results = window.waitForResults();
    ASSERT_TRUE(results) << "a scan showed no Results dialog";
    EXPECT_EQ(window.rowCount(), 2) << "the plan is not listed behind the Results dialog";
    drawn = settledLines(results);
    // Free space twice, a blank, files and bytes of both sides, a blank, the bytes to copy.
    EXPECT_EQ(inkPattern(drawn), expectedPattern("110111101", drawn));
    expectColumns(drawn);
    ASSERT_TRUE(window.closeResults());
    EXPECT_TRUE(window.enabled(IDC_MIDDLE));

    // Duplicate also deletes from the bottom folder: the bytes, and a label alone that says
    // where the deleted files go.
    window.click(IDC_DUPLICATE);
    window.settle();
    ASSERT_EQ(window.rowCount(), 3);
    window.command(IDM_VIEW_TOTALS);
    results = window.waitForResults();
    ASSERT_TRUE(results);
    EXPECT_EQ(inkPattern(settledLines(results)), expectedPattern("1101111011?", drawn));
    ASSERT_TRUE(window.closeResults());
    EXPECT_EQ(exitProgram(window), 0u);
}

// Moved partly off the screen and back, the dialog paints what came back into sight whole.
TEST_F(Results, LinesStayWholeAfterBeingUncovered) {
    MainWindow window = start();
    ASSERT_TRUE(window.handle());
    window.command(IDM_VIEW_TOTALS);
    HWND results = window.waitForResults();
    ASSERT_TRUE(results);
    const std::string before = inkPattern(settledLines(results));
    RECT place;
    GetWindowRect(results, &place);
    SetWindowPos(results, nullptr, 40 - place.right, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    window.settle();
    SetWindowPos(results, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    window.settle();
    EXPECT_EQ(inkPattern(settledLines(results)), before);
    ASSERT_TRUE(window.closeResults());
    EXPECT_EQ(exitProgram(window), 0u);
}

}  // namespace
}  // namespace evenkeeper::driver
