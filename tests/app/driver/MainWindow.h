#pragma once
// The driver's hands and eyes on the program's main dialog, in another process: it acts
// only through messages a person's input would cause (text, focus changes, clicks, menu
// commands, keys, the popup) and reads what the windows show.
#include <windows.h>

#include <string>
#include <vector>

#include "app/driver/Waiting.h"

namespace evenkeeper::driver {

struct ListedRow {
    std::string name, size, modified, path;
    int image;
};

class MainWindow {
public:
    explicit MainWindow(HWND dialog);

    HWND handle() const { return dialog_; }
    HWND control(int id) const { return GetDlgItem(dialog_, id); }

    // Gives the field the focus and types the text; the focus stays there.
    void typeInto(int field, const std::string& text);
    // Types the text and moves the focus on, so that the field commits it.
    void enter(int field, const std::string& text);
    void click(int id);
    void command(int id);
    // A key posted to the focused control, so that the dialog's own keyboard handling runs.
    void pressKey(WPARAM key);
    // Returns once everything posted before it was handled (or a long step lets it through).
    bool settle();
    // Scan, wait for the plan and close the Results dialog that follows it; false when no
    // plan or no Results dialog came.
    bool scan();
    // The Results dialog over the main dialog once it shows; null when it did not come.
    HWND waitForResults(unsigned limitMs = kPatienceMs) const;
    // Closes the Results dialog with its "Ok" button and waits until it is gone.
    bool closeResults();
    // The middle button, waiting for the run to end.
    bool runPlan();
    // Waits for a message box over the dialog and clicks its button (its text without "&").
    // The box's own wait lets later messages through before the command that asked goes
    // on, so a test waits for that command's effect.
    bool answerBox(const char* button);
    bool boxShown() const;
    // The message box or about box over the dialog once it shows; null when none came.
    HWND waitForBox() const;
    // Selects a listed row and opens the popup as a right-click in the list does, or as
    // Shift+F10 does (no position); the popup's window, null when none came.
    HWND openPopup(int row, bool fromKeyboard);
    // Selects a listed row, opens the popup with a right-click and chooses "Delete this file".
    bool chooseDeleteFromPopup(int row);
    // The row's label on the screen.
    RECT rowLabel(int row) const;
    void setColumnWidth(int column, int width);

    std::string text(int id) const;
    bool enabled(int id) const { return IsWindowEnabled(control(id)) != 0; }
    std::string status() const;
    int rowCount() const;
    std::vector<ListedRow> rows() const;
    std::vector<std::string> names() const;
    int columnWidth(int column) const;
    HWND focus() const;
    DWORD processId() const { return processId_; }

private:
    LRESULT send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;
    HWND list() const;

    HWND dialog_;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    int marks_ = 0;
};

}  // namespace evenkeeper::driver
