#include "app/MainController.h"

#include "app/MainLayout.h"
#include "app/OperationRules.h"
#include "app/TempFilePath.h"
#include "store/ChooseSettingsFile.h"
#include "store/DataFile.h"

namespace evenkeeper {
namespace {

constexpr char kLogFileName[] = "EvenkeeperLog.txt";

}  // namespace

MainController::MainController(MainView& view, const MainServices& services)
    : view_(view),
      files_(services.files),
      bin_(services.bin),
      userFolders_(services.userFolders),
      fileDialog_(services.fileDialog),
      helpPage_(services.helpPage),
      rowFiles_(services.rowFiles),
      steps_(view, session_, services),
      store_{services.store, session_, steps_, *this, services.files, services.compare} {}

// The order matters: the program settings supply the column widths before the columns are
// made, and the layout runs before the stored placement is applied.
int MainController::setUp() {
    view_.createStatusBar();
    frame_ = view_.measureFrame();
    view_.setProgramIcon();
    view_.attachControls();
    loadProgramSettings(store_, settings_, userFolders_);
    keepColumnsUsable(settings_, view_.screenMetrics().screenWidth);
    view_.insertColumns(settings_.columnWidths);
    view_.loadMenus();
    view_.createImageList();
    view_.setCaption(kMessageCaption);
    layOut();
    restoreWindowPlacement(settings_.windowPlacement, view_);
    steps_.enableMiddleButton(false);
    session_.scanValid = false;
    session_.logFilePath = tempFilePath(files_, kLogFileName);
    return 0;
}

void MainController::sizeChanged() { layOut(); }

void MainController::layOut() {
    MainLayout layout = layOutMain(view_.clientSize(), frame_);
    view_.moveStatusAndList(layout.statusBar, layout.list);
}

void MainController::saveSettings() {
    saveProgramSettings(store_, settings_, view_);
    saveDataFile(store_);
}

bool MainController::exitProgram() {
    // Saving, deleting the log or ending the dialog under a running step would pull the
    // ground from under it; the command that runs the step exits when it is done.
    if (busy()) {
        exitRequested_ = true;
        return false;
    }
    exitRequested_ = false;
    // Escape and the close box leave the focus where it is: what the user typed counts.
    commitFocusedField();
    saveSettings();
    files_.deleteFile(session_.logFilePath.c_str());
    view_.endDialog(0);
    return false;
}

// The process ends after this without the Exit command, so what Exit would save is saved
// now.
void MainController::sessionEnding() { saveSettings(); }

void MainController::selectOperation(int position) {
    steps_.invalidatePlan();
    SyncOperation* record = store_.store.at(position);
    if (!record) {
        record = store_.store.at(0);
        position = 0;
    }
    session_.currentOperation = record;
    session_.index = position;
    showOperation();
}

void MainController::showOperation() {
    const SyncOperation& shown = operation();
    view_.setFieldText(Field::topFolder, shown.topFolder);
    view_.setFieldText(Field::bottomFolder, shown.bottomFolder);
    view_.checkOperation(shown.operation);
    view_.setFieldText(Field::levels, std::to_string(shown.levels).c_str());
    showDirectionIcon();
    setOperation(shown.operation);
}

void MainController::setOperation(Operation operation) {
    session_.currentOperation->operation = operation;
    view_.setMiddleLabel(operationName(operation));
}

void MainController::showDirectionIcon() { view_.setDirectionIcon(operation().direction); }

int MainController::ask(const char* text, const char* caption, std::uint32_t flags) {
    return view_.messageBox(text, caption, flags);
}

WindowHandle MainController::window() { return view_.window(); }

bool MainController::chooseDataFile() {
    chooseSettingsFile(store_, fileDialog_);
    return false;
}

bool MainController::newOperation() {
    newSyncOperation(store_);
    return false;
}

bool MainController::chooseSync() {
    int result = view_.chooseSyncOperation();
    return result != 0 && result != -1;
}

}  // namespace evenkeeper
