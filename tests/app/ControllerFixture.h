#pragma once
// The main dialog's controller over real temporary folders: the recording view, the two
// scanners (which report to the controller), the per-user folder, the temporary folder of
// the log and the stored data file all inside one TempTree.
#include <functional>
#include <string>
#include <vector>

#include "app/FakeMainView.h"
#include "app/MainController.h"
#include "platform/DirectorySearch.h"
#include "support/FaultyFileSystem.h"
#include "support/FixedClock.h"
#include "support/FolderBin.h"
#include "support/TempTree.h"
#include "support/TimeValues.h"

namespace evenkeeper::test {

using Lines = std::vector<std::string>;

// The temporary folder lies in the test's tree, so that a run's log and its deletion at exit
// stay there.
struct TreeFileSystem : FaultyFileSystem {
    explicit TreeFileSystem(std::string temp) : FaultyFileSystem(systemFileSystem()), temp(std::move(temp)) {}
    bool tempFolder(char* buffer, int size) override;
    std::string temp;  // empty: the system has none
};

// Runs `once` at its next pump, as if the user sent commands in the middle of a long step.
struct StepPump : CountingPump {
    std::function<void()> once;
    int pumpMessages() override;
};

struct ControllerFixture {
    ControllerFixture();

    // The data file holds one operation on these folders of the tree ("" stays empty).
    void storeOperation(const std::string& top, const std::string& bottom, Operation operation = kCopy,
                        Direction direction = kTopToBottom, int levels = kMaxLevels);
    void start() { controller.setUp(); }
    // One file in the top folder, an empty bottom folder, a Copy top to bottom; started.
    void startOnOneFile();
    // Types text in the field and leaves it.
    void commit(Field field, const std::string& text);
    const SyncOperation& operation() const { return *controller.session().currentOperation; }
    Lines rows() const { return view.rowList.list.describe(); }
    std::string settingsFile() const { return "AppData\\TamrelFreeware\\Evenkeeper\\GlobalSettings.ini"; }
    std::string dataFile() const { return "AppData\\TamrelFreeware\\Evenkeeper\\Evenkeeper.txt"; }
    std::string logFile() const { return "temp\\EvenkeeperLog.txt"; }
    std::string helpFile() const { return "temp\\EvenkeeperHelp.htm"; }

    TempTree tree;
    TreeFileSystem files{tree.path("temp\\")};
    FolderBin bin;
    FixedClock clock;
    FakeUserFolders userFolders;
    FakeFileDialog fileDialog;
    SyncStore store;
    StepPump pump;
    FakeMainView view;
    // Its opening is recorded among the view's calls.
    HelpPage helpPage{files,
                      [this](const char* path) { view.calls.push_back(std::string("open page ") + path); }};
    // The controller keeps references only, so the scanners that report to it come after it.
    RowFiles rowFiles{top, bottom, clock};
    MainController controller;
    FolderScanner top;
    FolderScanner bottom;
};

}  // namespace evenkeeper::test
