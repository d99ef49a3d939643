#pragma once
// Recording fakes of the main dialog as the store sees it, and the store's set-up around
// them, over any file system.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/FileDialog.h"
#include "platform/UserFolders.h"
#include "store/StoreContext.h"
#include "store/WindowPlacement.h"
#include "support/Recorders.h"

namespace evenkeeper::test {

inline WindowHandle const kOwner = reinterpret_cast<WindowHandle>(0x1234);

// Selects as the main dialog does: out of range means the first record and index 0.
struct RecordingStoreDialog : StoreDialogPort {
    RecordingStoreDialog(SyncStore& store, SyncSession& session) : store(store), session(session) {}
    SyncStore& store;
    SyncSession& session;
    std::vector<std::string> calls;  // "select 5", "direction icon", "ask 0x23 Evenkeeper: text"
    int answer = kAnswerNo;

    void selectOperation(int position) override;
    void showDirectionIcon() override { calls.push_back("direction icon"); }
    int ask(const char* text, const char* caption, std::uint32_t flags) override;
    WindowHandle window() override { return kOwner; }
};

// Answers with chosen, or cancels when it is empty; records how it was opened.
struct FakeFileDialog : FileDialog {
    std::string chosen;
    std::vector<std::string> calls;  // "show <name> <size> <initial folder>"
    bool show(WindowHandle owner, char* name, int size, const char* initialFolder) override;
};

struct FakeUserFolders : UserFolders {
    std::string folder;  // empty: the platform cannot name it
    bool applicationDataFolder(WindowHandle owner, std::string& out) override {
        out = owner == kOwner ? folder : "wrong owner";
        return !folder.empty();
    }
};

struct FakeWindowView : MainWindowView {
    std::int32_t widths[4] = {320, 90, 120, 190};
    WindowPlacement placement;  // what the window reports
    ScreenMetrics screen = {1024, 768, 32, 32};
    std::vector<WindowPlacement> applied;

    void columnWidths(std::int32_t out[4]) override { std::copy(widths, widths + 4, out); }
    void getWindowPlacement(WindowPlacement& out) override { out = placement; }
    void setWindowPlacement(const WindowPlacement& in) override { applied.push_back(in); }
    ScreenMetrics screenMetrics() override { return screen; }
};

struct StoreFixture {
    explicit StoreFixture(FileSystem& files);
    SyncStore store;
    SyncSession session;
    RecordingDialog dialog;
    RecordingStoreDialog storeDialog{store, session};
    StoreContext context;

    // "top|bottom|operation|direction|levels|lastUsed" per record, front to back.
    std::vector<std::string> records();
};

}  // namespace evenkeeper::test
