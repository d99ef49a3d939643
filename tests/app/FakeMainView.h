#pragma once
// The main dialog's windows as a recording fake: every call as a short text in order, the
// fields' texts, the focus, the answers of message boxes and the folder browser, and the
// result list's rows with a selection.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/MainView.h"
#include "store/StoreFakes.h"

namespace evenkeeper::test {

// The recorded rows and the row the user selected; deleting it leaves none selected, as
// the list control does.
struct SelectableRows : ListRows {
    RecordingRows list;
    int selected = -1;

    int selectedRow() override { return selected; }
    void clearRows() override {
        list.clearRows();
        selected = -1;
    }
    void appendRow(FileEntry& entry, int image) override { list.appendRow(entry, image); }
    int nextRow(int row) override { return list.nextRow(row); }
    FileEntry* entryAt(int row) override { return list.entryAt(row); }
    void deleteRow(int row) override;
};

class FakeMainView : public MainView {
public:
    // "status bar", "columns 320 90 120 190", "field top C:\x\", "middle on", "long step on",
    // "message 0x30 Evenkeeper: text", "end 0", ...
    std::vector<std::string> calls;
    std::map<Field, std::string> fields;
    std::map<int, bool> menuItems;
    bool middleEnabled = false;
    Field focused = Field::none;
    std::deque<int> answers;  // message box answers; OK (1) once they run out
    bool browsePicks = false;
    std::string browsed;
    FrameMetrics frame{4, 20, 0};
    Size client{800, 600};
    FakeWindowView placement;
    SelectableRows rowList;
    RecordingProgress progressPanel;

    // The calls recorded so far, which are forgotten.
    std::vector<std::string> take();

    void columnWidths(std::int32_t widths[4]) override { placement.columnWidths(widths); }
    void getWindowPlacement(WindowPlacement& out) override { placement.getWindowPlacement(out); }
    void setWindowPlacement(const WindowPlacement& in) override {
        calls.push_back("placement");
        placement.setWindowPlacement(in);
    }
    ScreenMetrics screenMetrics() override { return placement.screenMetrics(); }

    void createStatusBar() override { calls.push_back("status bar"); }
    FrameMetrics measureFrame() override {
        calls.push_back("measure");
        return frame;
    }
    void setProgramIcon() override { calls.push_back("program icon"); }
    void attachControls() override { calls.push_back("attach"); }
    void insertColumns(const std::int32_t widths[4]) override;
    void loadMenus() override { calls.push_back("menus"); }
    void createImageList() override { calls.push_back("image list"); }
    void setCaption(const char* text) override { calls.push_back(std::string("caption ") + text); }
    Size clientSize() override { return client; }
    void moveStatusAndList(const Rect& status, const Rect& list) override;
    void setFieldText(Field field, const char* text) override;
    std::string fieldText(Field field, int maxLength) override {
        return fields[field].substr(0, std::size_t(maxLength));
    }
    Field focusedField() override { return focused; }
    void checkOperation(Operation operation) override { calls.push_back("check " + std::to_string(operation)); }
    void setMiddleLabel(const char* text) override { calls.push_back(std::string("middle label ") + text); }
    void enableMiddleButton(bool enable) override {
        calls.push_back(enable ? "middle on" : "middle off");
        middleEnabled = enable;
    }
    void setDirectionIcon(Direction direction) override { calls.push_back("icon " + std::to_string(direction)); }
    void setStatusText(const char* text) override { calls.push_back(std::string("status ") + text); }
    void showLongStep(bool running) override { calls.push_back(running ? "long step on" : "long step off"); }
    void enableMenuItem(int command, bool enable) override {
        calls.push_back("menu " + std::to_string(command) + (enable ? " on" : " off"));
        menuItems[command] = enable;
    }
    int messageBox(const char* text, const char* caption, std::uint32_t flags) override;
    bool browseFolder(const char* title, std::string& folder) override;
    void openWithShell(const char* path) override { calls.push_back(std::string("open ") + path); }
    void openLog(const char* path) override { calls.push_back(std::string("open log ") + path); }
    void showAboutBox(const char* text, const char* link) override {
        calls.push_back(std::string("about ") + text + " | " + link);
    }
    void showFilePopup(int x, int y) override {
        calls.push_back("popup " + std::to_string(x) + " " + std::to_string(y));
    }
    void showResults() override { calls.push_back("results"); }
    // What the user does in the choose dialog; its result. Not set: cancelled at once.
    std::function<int()> chooser;
    int chooseSyncOperation() override {
        calls.push_back("choose sync");
        return chooser ? chooser() : 0;
    }
    void endDialog(int result) override { calls.push_back("end " + std::to_string(result)); }
    WindowHandle window() override { return kOwner; }
    ListRows& rows() override { return rowList; }
    ProgressPort& progress() override { return progressPanel; }
};

}  // namespace evenkeeper::test
