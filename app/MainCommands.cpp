#include "app/MainCommands.h"

#include "app/MainController.h"
#include "resources/ResourceIds.h"

namespace evenkeeper {

// The popup's Cancel and every command not listed do nothing.
const MainCommand MainController::kCommands[] = {
    // id                      handler                            marks               during a long step, kind
    {IDC_TOP_FOLDER,           &MainController::commitTopFolder,  Marks::always,      false, Kind::control},
    {IDC_BOTTOM_FOLDER,        &MainController::commitBottomFolder, Marks::always,    false, Kind::control},
    {IDC_LEVELS,               &MainController::commitLevels,     Marks::whenChanged, false, Kind::control},
    {IDC_BROWSE_TOP,           &MainController::browseTop,        Marks::whenChanged, false, Kind::control},
    {IDC_BROWSE_BOTTOM,        &MainController::browseBottom,     Marks::whenChanged, false, Kind::control},
    {IDC_COPY,                 &MainController::chooseCopy,       Marks::always,      false, Kind::control},
    {IDC_MOVE,                 &MainController::chooseMove,       Marks::always,      false, Kind::control},
    {IDC_DUPLICATE,            &MainController::chooseDuplicate,  Marks::always,      false, Kind::control},
    {IDC_DIRECTION,            &MainController::cycleDirection,   Marks::always,      false, Kind::control},
    {IDM_SHOW_TOP_TO_BOTTOM,   &MainController::showTopToBottom,  Marks::never,       false, Kind::menuItem},
    {IDM_SHOW_BOTTOM_TO_TOP,   &MainController::showBottomToTop,  Marks::never,       false, Kind::menuItem},
    {IDM_SHOW_BOTH_WAYS,       &MainController::showBothWays,     Marks::never,       false, Kind::menuItem},
    {IDC_SCAN,                 &MainController::scan,             Marks::never,       false, Kind::control},
    {IDC_MIDDLE,               &MainController::runPlan,          Marks::never,       false, Kind::control},
    {IDM_VIEW_TOP,             &MainController::viewTop,          Marks::never,       false, Kind::menuItem},
    {IDM_VIEW_BOTTOM,          &MainController::viewBottom,       Marks::never,       false, Kind::menuItem},
    {IDM_DELETE_FILE,          &MainController::deleteSelectedFile, Marks::never,     false, Kind::menuItem},
    {IDM_CHOOSE_FILE,          &MainController::chooseDataFile,   Marks::never,       false, Kind::menuItem},
    {IDM_NEW_SYNC,             &MainController::newOperation,     Marks::never,       false, Kind::menuItem},
    {IDM_VIEW_TOTALS,          &MainController::viewTotals,       Marks::never,       false, Kind::menuItem},
    {IDM_CHOOSE_SYNC,          &MainController::chooseSync,       Marks::whenChanged, false, Kind::menuItem},
    {IDM_PROGRAM_INFO,         &MainController::showProgramInfo,  Marks::never,       false, Kind::menuItem},
    {IDM_ABOUT,                &MainController::showAbout,        Marks::never,       false, Kind::menuItem},
    {IDM_CHECK_UPDATES,        &MainController::checkForUpdates,  Marks::never,       false, Kind::menuItem},
    // Exit waits for a long step to end.
    {IDM_EXIT,                 &MainController::exitProgram,      Marks::never,       true, Kind::menuItem},
};

void MainController::command(int id) {
    const MainCommand* found = nullptr;
    for (const MainCommand& entry : kCommands)
        if (entry.id == id) found = &entry;
    if (!found || (busy() && !found->duringLongStep)) return;
    bool changed = (this->*found->run)();
    if (found->marks == Marks::always || (found->marks == Marks::whenChanged && changed))
        session_.unsavedChanges = true;
    // An exit asked for during a long step runs once the step and its command are done.
    if (exitRequested_ && !busy()) exitProgram();
}

// A command that may run during a long step is never grayed, so its item is left alone.
void MainController::menuOpening() {
    for (const MainCommand& entry : kCommands)
        if (entry.kind == Kind::menuItem && !entry.duringLongStep) view_.enableMenuItem(entry.id, !busy());
    view_.enableMenuItem(IDM_SHOW_BOTH_WAYS, !busy() && operation().operation != kDuplicate);
}

}  // namespace evenkeeper
