#pragma once
// The main dialog's decisions, free of the platform: what each command does, what is
// enabled, what marks the sync operations as changed, the set-up and exit order. It owns the
// dialog's state and is the main dialog that the engine and the store talk to; the view
// makes the calls on the real windows.
#include "app/HelpPage.h"
#include "app/MainCommands.h"
#include "app/MainView.h"
#include "app/ResultListOwner.h"
#include "app/RowFiles.h"
#include "engine/DifferenceFinder.h"
#include "engine/FolderScanner.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/FileSystem.h"
#include "platform/RecycleBin.h"
#include "platform/UserFolders.h"
#include "store/ProgramSettings.h"
#include "store/StoreContext.h"

namespace evenkeeper {

// The objects of the program that the main dialog works with.
struct MainServices {
    FolderScanner& top;
    FolderScanner& bottom;
    SyncStore& store;
    FileSystem& files;
    RecycleBin& bin;
    const TextCompare& compare;
    MessagePump& pump;
    const Clock& clock;
    UserFolders& userFolders;
    FileDialog& fileDialog;
    HelpPage& helpPage;
};

class MainController : public MainDialogPort, public StoreDialogPort, public ResultListOwner {
public:
    MainController(MainView& view, const MainServices& services);

    // The dialog's set-up; 0, so that the system does not give the first control the focus.
    int setUp();
    // A command of a menu, a button, or a field that lost the focus (its control id).
    void command(int id);
    // A menu of the menu bar is about to open.
    void menuOpening();
    void sizeChanged();
    // A right-click in the dialog, at a screen position.
    void contextMenu(int x, int y);
    // Windows is ending the session: the process ends without the Exit command.
    void sessionEnding();

    const SyncSession& session() const { return session_; }
    bool busy() const { return longSteps_ > 0; }

    // MainDialogPort
    void setStatusText(const char* text) override;
    void showMessage(const char* text, const char* caption) override;
    void enableMiddleButton(bool enable) override;
    void openWithShell(const char* path) override;
    // StoreDialogPort
    void selectOperation(int position) override;
    void showDirectionIcon() override;
    int ask(const char* text, const char* caption, std::uint32_t flags) override;
    WindowHandle window() override;
    // ResultListOwner
    std::string columnText(const FileEntry& entry, int column) override;
    void openSelectedFile() override;

private:
    static const MainCommand kCommands[];

    // A scan, a plan, a run or a side view. The first three let messages through, so
    // commands that would start another one or change what it works on are refused until
    // it ends; all of them change the list row by row, which is drawn only now and then.
    class LongStep {
    public:
        explicit LongStep(MainController& controller);
        ~LongStep();
    private:
        MainController& controller_;
    };

    SyncContext syncContext();
    SyncOperation& operation() { return *session_.currentOperation; }
    void showOperation();
    void setOperation(int operation);
    void layOut();
    void saveSettings();
    void invalidatePlan();
    void recomputePlan();
    bool foldersReady();
    bool scanAndPlan();
    void commitFocusedField();

    // Commands; each answers whether it changed the sync operations.
    bool commitTopFolder();
    bool commitBottomFolder();
    bool commitFolder(Field field, char* folder);
    bool commitLevels();
    bool browseTop();
    bool browseBottom();
    bool browse(Field field, char* folder);
    bool scan();
    bool runPlan();
    bool cycleDirection();
    bool chooseCopy();
    bool chooseMove();
    bool chooseDuplicate();
    bool chooseOperation(int chosen);
    bool chooseDataFile();
    bool newOperation();
    bool chooseSync();
    bool viewTop();
    bool viewBottom();
    bool viewSide(FolderScanner& scanner, const char* folder);
    bool showTopToBottom();
    bool showBottomToTop();
    bool showBothWays();
    bool showDirection(int direction);
    bool viewTotals();
    bool deleteSelectedFile();
    bool exitProgram();
    // The Help menu.
    bool showProgramInfo();
    bool showAbout();
    bool checkForUpdates();

    MainView& view_;
    FolderScanner& top_;
    FolderScanner& bottom_;
    FileSystem& files_;
    RecycleBin& bin_;
    MessagePump& pump_;
    const Clock& clock_;
    UserFolders& userFolders_;
    FileDialog& fileDialog_;
    HelpPage& helpPage_;
    SyncSession session_;
    StoreContext store_;
    ProgramSettings settings_;
    DifferenceFinder finder_;
    RowFiles rowFiles_;
    FrameMetrics frame_;
    bool middleEnabled_ = false;
    int longSteps_ = 0;
    bool exitRequested_ = false;
};

}  // namespace evenkeeper
