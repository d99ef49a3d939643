// The lines of the Results dialog: before and after a scan, for every operation and
// direction, their numbers grouped in thousands, and a drive that cannot be asked.
#include <gtest/gtest.h>

#include <cstring>

#include "app/ResultsLines.h"
#include "platform/DiskSpace.h"
#include "support/PlanFixture.h"

namespace evenkeeper::test {
namespace {

using Shown = std::vector<std::string>;

// "number|label" per line.
Shown shown(const std::vector<ResultsLine>& lines) {
    Shown texts;
    for (const ResultsLine& line : lines) texts.push_back(line.number + "|" + line.label);
    return texts;
}

ResultsFigures scanned(Operation operation, Direction direction) {
    ResultsFigures f;
    f.topFree = 1234567890;
    f.bottomFree = 0;
    f.scanValid = true;
    f.topFiles = 12345;
    f.bottomFiles = 0;
    f.topBytes = 987654321;
    f.bottomBytes = ~0ULL;
    f.topPlanBytes = 1000;
    f.bottomPlanBytes = 22;
    f.operation = operation;
    f.direction = direction;
    f.topBin = true;
    return f;
}

TEST(ResultsLines, BeforeAScanOnlyTheFreeSpaceAndABlankLine) {
    ResultsFigures f = scanned(kCopy, kTopToBottom);
    f.scanValid = false;
    EXPECT_EQ(shown(resultsLines(f)),
              (Shown{"1,234,567,890|free on drive top drive.", "0|free on drive bottom drive.", "|"}));
    f.topFree = kUnknownSpace;
    f.bottomFree = kUnknownSpace - 1;
    EXPECT_EQ(shown(resultsLines(f)),
              (Shown{"unknown|free on drive top drive.",
                     "18,446,744,073,709,551,614|free on drive bottom drive.", "|"}));
}

TEST(ResultsLines, EveryOperationAndDirectionAfterAScan) {
    const Shown sides = {"1,234,567,890|free on drive top drive.", "0|free on drive bottom drive.", "|",
                         "12,345|files in top folder", "987,654,321|bytes top folder.",
                         "0|files in bottom folder", "18,446,744,073,709,551,615|bytes bottom folder.",
                         "|"};
    struct Case {
        Operation operation;
        Direction direction;
        Shown plan;
    };
    const Case cases[] = {
        {kCopy, kTopToBottom, {"1,000|bytes to copy from top folder."}},
        {kCopy, kBottomToTop, {"22|bytes to copy from bottom folder."}},
        {kCopy, kBothWays, {"1,000|bytes to copy from top folder.", "22|bytes to copy from bottom folder."}},
        {kMove, kTopToBottom, {"1,000|bytes to move from top folder."}},
        {kMove, kBottomToTop, {"22|bytes to move from bottom folder."}},
        {kMove, kBothWays, {"1,000|bytes to move from top folder.", "22|bytes to move from bottom folder."}},
        {kDuplicate, kTopToBottom,
         {"1,000|bytes to move from top folder.", "22|bytes to delete from bottom folder.",
          "|No Recycle Bin there: deleted for good."}},
        {kDuplicate, kBottomToTop,
         {"22|bytes to move from bottom folder.", "1,000|bytes to delete from top folder.",
          "|They go to the Recycle Bin."}},
        {kDuplicate, kBothWays,
         {"1,000|bytes to move from top folder.", "22|bytes to move from bottom folder.",
          "1,000|bytes to delete from top folder.", "|They go to the Recycle Bin."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("operation " + std::to_string(c.operation) + ", direction " +
                     std::to_string(c.direction));
        Shown expected = sides;
        expected.insert(expected.end(), c.plan.begin(), c.plan.end());
        EXPECT_EQ(shown(resultsLines(scanned(c.operation, c.direction))), expected);
    }
}

// The figures come from the scanners and the last plan, and the drives are asked again.
TEST(ResultsLines, FiguresFollowTheScanAndTheLastPlan) {
    PlanFixture f;
    f.tree.addFile("M:\\top\\a.txt", 1000, kBaseTime);
    f.tree.addFile("M:\\top\\Album\\b.mp3", 234, kBaseTime);
    f.tree.addFile("M:\\bottom\\old.txt", 5, kBaseTime);
    std::strcpy(f.operation.topFolder, "M:\\top\\");
    std::strcpy(f.operation.bottomFolder, "M:\\bottom\\");
    Shown before = shown(resultsLines(currentFigures(f.session, f.top, f.bottom)));
    EXPECT_EQ(before, (Shown{"unknown|free on drive top drive.", "unknown|free on drive bottom drive.", "|"}));

    ASSERT_TRUE(f.scan());
    f.plan(kDuplicate, kTopToBottom);
    Shown lines = shown(resultsLines(currentFigures(f.session, f.top, f.bottom)));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(Shown(lines.begin() + 3, lines.end()),
              (Shown{"2|files in top folder", "1,234|bytes top folder.", "1|files in bottom folder",
                     "5|bytes bottom folder.", "|", "1,234|bytes to move from top folder.",
                     "5|bytes to delete from bottom folder.", "|No Recycle Bin there: deleted for good."}));

    f.plan(kDuplicate, kBottomToTop);
    lines = shown(resultsLines(currentFigures(f.session, f.top, f.bottom)));
    EXPECT_EQ(Shown(lines.begin() + 8, lines.end()),
              (Shown{"5|bytes to move from bottom folder.", "1,234|bytes to delete from top folder.",
                     "|No Recycle Bin there: deleted for good."}));
}

}  // namespace
}  // namespace evenkeeper::test
