// The commands that scan, plan and carry out a sync, and the side views of the scans; the
// long steps themselves are LongSteps'.
#include "app/MainController.h"

namespace evenkeeper {

bool MainController::scan() {
    commitFocusedField();
    // An Exit asked for during the scan is not held up by the dialog.
    if (!steps_.scanAndPlan() || exitRequested_) return false;
    steps_.noticeUnreadFolders();
    view_.showResults();
    return false;
}

bool MainController::runPlan() {
    steps_.runPlan();
    return false;
}

bool MainController::viewTotals() {
    view_.showResults();
    return false;
}

bool MainController::viewTop() {
    steps_.viewTop();
    return false;
}

bool MainController::viewBottom() {
    steps_.viewBottom();
    return false;
}

}  // namespace evenkeeper
