#include "app/LongSteps.h"

#include "app/DeletionGuard.h"
#include "app/FolderOverlap.h"
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

LongSteps::LongSteps(MainView& view, SyncSession& session, const MainServices& services)
    : view_(view),
      session_(session),
      services_(services),
      finder_(syncContext(), services.compare) {}

SyncContext LongSteps::syncContext() {
    return {services_.top, services_.bottom, session_, *this, view_.progress(), view_.rows(),
            services_.pump};
}

LongSteps::LongStep::LongStep(LongSteps& steps) : steps_(steps) {
    if (steps_.running_++ == 0) steps_.view_.showLongStep(true);
}

LongSteps::LongStep::~LongStep() {
    if (--steps_.running_ == 0) steps_.view_.showLongStep(false);
}

void LongSteps::invalidatePlan() {
    view_.rows().clearRows();
    enableMiddleButton(false);
    session_.scanValid = false;
}

// Both folders exist in a form the run can use, and neither lies within the other's scan.
bool LongSteps::foldersReady() {
    const SyncOperation& job = operation();
    for (const char* folder : {job.topFolder, job.bottomFolder}) {
        if (isDeviceForm(folder)) {
            showMessage((std::string("Evenkeeper cannot sync a folder written in this form:\n") +
                         folder + "\nWrite it with its drive letter or share, such as D:\\Music\\.")
                            .c_str(),
                        kMessageCaption);
            return false;
        }
        if (!folderExists(services_.files, folder)) {
            showMessage((std::string("Folder does not exist:\n") + folder).c_str(), kMessageCaption);
            return false;
        }
    }
    std::string top = fullFolderPath(job.topFolder);
    std::string bottom = fullFolderPath(job.bottomFolder);
    if (foldersOverlap(top, bottom, job.levels, services_.compare) ||
        lineagesOverlap(folderLineage(job.topFolder), folderLineage(job.bottomFolder), job.levels)) {
        std::string text = "The top and bottom folders overlap:\n" + top + "\n" + bottom +
                           "\nA sync would copy into or delete from its own source.\n"
                           "Choose two folders that do not lie in one another.";
        showMessage(text.c_str(), kMessageCaption);
        return false;
    }
    return true;
}

bool LongSteps::scanAndPlan() {
    if (!foldersReady()) return false;
    LongStep step(*this);
    const SyncOperation& job = operation();
    ProgressPort& progress = view_.progress();
    enableMiddleButton(false);
    progress.SetColours(0, kScanBackground);
    progress.Show("Scanning folders...");
    // A scan that fails half-way leaves no plan to recompute from partly filled tables.
    view_.rows().clearRows();
    session_.scanValid = false;
    if (!scanSide(services_.top, job.topFolder, job.levels) ||
        !scanSide(services_.bottom, job.bottomFolder, job.levels)) {
        progress.Close();
        return false;
    }
    session_.scanValid = true;
    progress.Close();
    finder_.findDifferences();
    return true;
}

void LongSteps::noticeUnreadFolders() {
    std::string unread =
        unreadFolderNotice(services_.top.unreadFolders(), services_.bottom.unreadFolders());
    if (!unread.empty()) showMessage(unread.c_str(), kMessageCaption);
}

void LongSteps::recomputePlan() {
    if (!session_.scanValid) return;
    LongStep step(*this);
    finder_.findDifferences();
}

void LongSteps::runPlan() {
    // Only a plan the list shows is carried out: a side view's rows are no actions.
    if (!middleEnabled_) return;
    std::string question = massDeletionQuestion(view_.rows(), services_.top, services_.bottom,
                                                services_.bin);
    if (!question.empty() &&
        view_.messageBox(question.c_str(), kMessageCaption, kMassDeletionFlags) != kAnswerYes)
        return;
    LongStep step(*this);
    ScanTargetCheck check(services_.top, services_.bottom, services_.compare);
    SyncRun(syncContext(), services_.files, services_.bin, services_.clock, check).runSync();
}

void LongSteps::viewTop() { viewSide(services_.top, operation().topFolder); }

void LongSteps::viewBottom() { viewSide(services_.bottom, operation().bottomFolder); }

void LongSteps::viewSide(FolderScanner& scanner, const char* folder) {
    LongStep step(*this);
    enableMiddleButton(false);
    // Files of another folder than the one shown would be opened or deleted under the
    // wrong path.
    if (scanner.root() == folder)
        finder_.showSide(scanner);
    else
        view_.rows().clearRows();
}

void LongSteps::setStatusText(const char* text) { view_.setStatusText(text); }

void LongSteps::showMessage(const char* text, const char* caption) {
    view_.messageBox(text, caption, kNotice);
}

void LongSteps::enableMiddleButton(bool enable) {
    middleEnabled_ = enable;
    view_.enableMiddleButton(enable);
}

// The engine opens only the run's log this way.
void LongSteps::openWithShell(const char* path) { view_.openLog(path); }

}  // namespace evenkeeper
