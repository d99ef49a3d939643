#pragma once
// The main dialog's long steps: a scan and its plan, the plan made again for another
// operation or direction, the run of the plan, and the side views of the scans. They own the
// difference finder and the middle button's state, and are the main dialog the engine and the
// store report to.
#include "app/MainServices.h"
#include "app/MainView.h"
#include "engine/DifferenceFinder.h"
#include "engine/MainDialogPort.h"

namespace evenkeeper {

class LongSteps : public MainDialogPort {
public:
    LongSteps(MainView& view, SyncSession& session, const MainServices& services);

    bool busy() const { return running_ > 0; }

    // The plan and the listed files belong to the folders that were scanned: against other
    // folders a run, an open or a delete would act on files nobody reviewed.
    void invalidatePlan();
    // Checks the current operation's folders, then scans both and plans; true when both
    // trees were read whole. It ends before the Results dialog opens, so that the list is
    // drawn in full behind the dialog.
    bool scanAndPlan();
    // After a scan: one notice naming the folders it passed over, if any.
    void noticeUnreadFolders();
    // The plan of the last scan for the current operation and direction.
    void recomputePlan();
    // Carries out the listed plan, after asking before a mass deletion.
    void runPlan();
    void viewTop();
    void viewBottom();

    // MainDialogPort
    void setStatusText(const char* text) override;
    void showMessage(const char* text, const char* caption) override;
    void enableMiddleButton(bool enable) override;
    void openWithShell(const char* path) override;

private:
    // A scan, a plan, a run or a side view. The first three let messages through, so
    // commands that would start another one or change what it works on are refused until
    // it ends; all of them change the list row by row, which is drawn only now and then.
    class LongStep {
    public:
        explicit LongStep(LongSteps& steps);
        ~LongStep();
    private:
        LongSteps& steps_;
    };

    SyncContext syncContext();
    const SyncOperation& operation() const { return *session_.currentOperation; }
    bool foldersReady();
    void viewSide(FolderScanner& scanner, const char* folder);

    MainView& view_;
    SyncSession& session_;
    MainServices services_;
    DifferenceFinder finder_;
    bool middleEnabled_ = false;
    int running_ = 0;
};

}  // namespace evenkeeper
