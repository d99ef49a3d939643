// When the main dialog shows the Results dialog: after a successful scan, once its long
// step is over, and from "View totals for folders" at any time but during a long step
// (which MainLongSteps covers).
#include <gtest/gtest.h>

#include <algorithm>

#include "app/ControllerFixture.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

int shownResults(const Lines& calls) { return int(std::count(calls.begin(), calls.end(), "results")); }

TEST(MainResults, AScanShowsThemAfterItsLongStepAndAFailedOneDoesNot) {
    ControllerFixture f;
    f.startOnOneFile();
    f.view.take();
    f.controller.command(IDC_SCAN);
    Lines calls = f.view.take();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(Lines(calls.end() - 2, calls.end()), (Lines{"long step off", "results"}));
    EXPECT_EQ(shownResults(calls), 1);

    f.pump.quitAt = f.pump.calls + 1;
    f.controller.command(IDC_SCAN);
    EXPECT_EQ(shownResults(f.view.take()), 0) << "a scan stopped half-way";
    f.pump.quitAt = 0;
    f.commit(Field::topFolder, f.tree.path("gone\\"));
    f.view.take();
    f.controller.command(IDC_SCAN);
    EXPECT_EQ(shownResults(f.view.take()), 0) << "a missing folder";
}

TEST(MainResults, ViewTotalsWorksBeforeAScan) {
    ControllerFixture f;
    f.startOnOneFile();
    f.view.take();
    f.controller.command(IDM_VIEW_TOTALS);
    EXPECT_EQ(f.view.take(), Lines{"results"});
    EXPECT_FALSE(f.controller.session().unsavedChanges);
}

}  // namespace
}  // namespace evenkeeper::test
