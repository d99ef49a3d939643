#pragma once
// The main dialog's decisions, free of the platform: what each command does, what is
// enabled, what marks the sync operations as changed, the set-up and exit order. It owns the
// dialog's state and is the main dialog that the store's dialogs talk to; the long steps
// report to the engine, and the view makes the calls on the real windows.
#include "app/LongSteps.h"
#include "app/MainCommands.h"
#include "app/MainServices.h"
#include "app/MainView.h"
#include "app/ResultListOwner.h"
#include "store/ProgramSettings.h"
#include "store/StoreContext.h"

namespace evenkeeper {

class MainController : public StoreDialogPort, public ResultListOwner {
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
    bool busy() const { return steps_.busy(); }
    // The main dialog as the engine sees it: the scanners report to it.
    MainDialogPort& engineDialog() { return steps_; }

    // StoreDialogPort
    void selectOperation(int position) override;
    void showDirectionIcon() override;
    int ask(const char* text, const char* caption, std::uint32_t flags) override;
    WindowHandle window() override;
    // ResultListOwner
    void openSelectedFile() override;

private:
    static const MainCommand kCommands[];

    SyncOperation& operation() { return *session_.currentOperation; }
    void showOperation();
    void setOperation(Operation operation);
    void layOut();
    void saveSettings();
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
    bool chooseOperation(Operation chosen);
    bool chooseDataFile();
    bool newOperation();
    bool chooseSync();
    bool viewTop();
    bool viewBottom();
    bool showTopToBottom();
    bool showBottomToTop();
    bool showBothWays();
    bool showDirection(Direction direction);
    bool viewTotals();
    bool deleteSelectedFile();
    bool exitProgram();
    // The Help menu.
    bool showProgramInfo();
    bool showAbout();
    bool checkForUpdates();

    MainView& view_;
    FileSystem& files_;
    RecycleBin& bin_;
    UserFolders& userFolders_;
    FileDialog& fileDialog_;
    HelpPage& helpPage_;
    const RowFiles& rowFiles_;
    SyncSession session_;
    LongSteps steps_;
    StoreContext store_;
    ProgramSettings settings_;
    FrameMetrics frame_;
    bool exitRequested_ = false;
};

}  // namespace evenkeeper
