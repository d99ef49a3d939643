// The commands that scan, plan and carry out a sync, and the side views of the scans.
#include "app/DeletionGuard.h"
#include "app/FolderOverlap.h"
#include "app/MainController.h"
#include "app/UnreadFolderNotice.h"
#include "engine/PathHelpers.h"
#include "engine/ScanTargetCheck.h"
#include "engine/SyncRun.h"
#include "platform/FullPath.h"

namespace evenkeeper {
namespace {

constexpr std::uint32_t kScanBackground = 0xEE687B;

// "\\?\" and "\\.\" (or with "/") hand the text to the system unparsed: ".." and "/"
// stay names, and the folder's other spellings are not compared.
bool isDeviceForm(const char* folder) {
    auto separator = [](char c) { return c == '\\' || c == '/'; };
    return separator(folder[0]) && separator(folder[1]) && (folder[2] == '?' || folder[2] == '.') &&
           separator(folder[3]);
}

// Resets the scanner and walks folder; true when the whole tree was read.
bool scanSide(FolderScanner& scanner, const char* folder, int levels) {
    scanner.reset();
    return scanner.scan(folder, levels) == 0;
}

}  // namespace

// Both folders exist in a form the run can use, and neither lies within the other's scan.
bool MainController::foldersReady() {
    const SyncOperation& job = operation();
    for (const char* folder : {job.topFolder, job.bottomFolder}) {
        if (isDeviceForm(folder)) {
            showMessage((std::string("Evenkeeper cannot sync a folder written in this form:\n") +
                         folder + "\nWrite it with its drive letter or share, such as D:\\Music\\.")
                            .c_str(),
                        kMessageCaption);
            return false;
        }
        if (!folderExists(files_, folder)) {
            showMessage((std::string("Folder does not exist:\n") + folder).c_str(), kMessageCaption);
            return false;
        }
    }
    std::string top = fullFolderPath(job.topFolder);
    std::string bottom = fullFolderPath(job.bottomFolder);
    if (foldersOverlap(top, bottom, job.levels, store_.compare) ||
        lineagesOverlap(folderLineage(job.topFolder), folderLineage(job.bottomFolder), job.levels)) {
        std::string text = "The top and bottom folders overlap:\n" + top + "\n" + bottom +
                           "\nA sync would copy into or delete from its own source.\n"
                           "Choose two folders that do not lie in one another.";
        showMessage(text.c_str(), kMessageCaption);
        return false;
    }
    return true;
}

bool MainController::scan() {
    commitFocusedField();
    // An Exit asked for during the scan is not held up by the dialog.
    if (!foldersReady() || !scanAndPlan() || exitRequested_) return false;
    std::string unread = unreadFolderNotice(top_.unreadFolders(), bottom_.unreadFolders());
    if (!unread.empty()) showMessage(unread.c_str(), kMessageCaption);
    view_.showResults();
    return false;
}

// One long step, true when both trees were read whole; it ends before the Results dialog
// opens, so that the list is drawn in full behind the dialog.
bool MainController::scanAndPlan() {
    LongStep step(*this);
    const SyncOperation& job = operation();
    ProgressPort& progress = view_.progress();
    enableMiddleButton(false);
    progress.SetColours(0, kScanBackground);
    progress.Show("Scanning folders...");
    // A scan that fails half-way leaves no plan to recompute from partly filled tables.
    view_.rows().clearRows();
    session_.scanValid = false;
    if (!scanSide(top_, job.topFolder, job.levels) ||
        !scanSide(bottom_, job.bottomFolder, job.levels)) {
        progress.Close();
        return false;
    }
    session_.scanValid = true;
    progress.Close();
    finder_.findDifferences();
    return true;
}

void MainController::recomputePlan() {
    if (!session_.scanValid) return;
    LongStep step(*this);
    finder_.findDifferences();
}

bool MainController::runPlan() {
    // Only a plan the list shows is carried out: a side view's rows are no actions.
    if (!middleEnabled_) return false;
    std::string question = massDeletionQuestion(view_.rows(), top_, bottom_);
    if (!question.empty() && ask(question.c_str(), kMessageCaption, kYesNoQuestion) != kAnswerYes)
        return false;
    LongStep step(*this);
    ScanTargetCheck check(top_, bottom_, files_, store_.compare);
    SyncRun(syncContext(), files_, clock_, check).runSync();
    return false;
}

bool MainController::viewTotals() {
    view_.showResults();
    return false;
}

bool MainController::viewTop() { return viewSide(top_, operation().topFolder); }

bool MainController::viewBottom() { return viewSide(bottom_, operation().bottomFolder); }

bool MainController::viewSide(FolderScanner& scanner, const char* folder) {
    LongStep step(*this);
    enableMiddleButton(false);
    // Files of another folder than the one shown would be opened or deleted under the
    // wrong path.
    if (scanner.root() == folder)
        finder_.showSide(scanner);
    else
        view_.rows().clearRows();
    return false;
}

}  // namespace evenkeeper
