// "Choose previous sync" in the main dialog.
#include <gtest/gtest.h>

#include "app/ControllerFixture.h"
#include "resources/ResourceIds.h"

namespace evenkeeper::test {
namespace {

// "Choose previous sync" in the main dialog: it marks the data file as changed when the
// dialog ends with a choice or a deletion (it waits out a long step: MainLongSteps).
TEST(MainChooseSync, MarksUnsavedChangesForANonzeroResultThatIsNoFailure) {
    ControllerFixture f;
    f.startOnOneFile();
    for (int result : {0, -1, 1}) {
        f.view.chooser = [result] { return result; };
        f.view.take();
        f.controller.command(IDM_CHOOSE_SYNC);
        EXPECT_EQ(f.view.take(), Lines{"choose sync"});
        EXPECT_EQ(f.controller.session().unsavedChanges, result == 1) << result;
    }
}

}  // namespace
}  // namespace evenkeeper::test
