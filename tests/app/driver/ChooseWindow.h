#pragma once
// The driver's hands and eyes on the dialog that chooses a previous sync operation, opened
// from the main dialog's Setup menu in the program's process.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/driver/MainWindow.h"

namespace evenkeeper::driver {

class ChooseWindow {
public:
    // Chooses "Choose previous sync" and waits for the dialog; handle() is null when it did
    // not come up.
    explicit ChooseWindow(MainWindow& main);

    HWND handle() const { return dialog_; }
    void click(int id);
    // A key posted to the list, which has the focus, so that the dialog's own keyboard
    // handling runs.
    void pressKey(WPARAM key);
    // Waits until the dialog is gone; false when it stayed.
    bool waitClosed();

    int rowCount() const;
    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);
    // The colour on the screen just inside the row's left end, 0x00BBGGRR.
    COLORREF rowColour(int row) const;
    std::string caption() const;

private:
    LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND main_;
    HWND dialog_ = nullptr;
    HWND list_ = nullptr;
};

struct StoredOperation {
    std::string top, bottom;
    int operation = 0;
    int direction = 0;
    int levels = 16;
    std::string lastUsed = "not used";
};

// Writes the data file with these sync operations, the one at `current` stored as current,
// last written at kBaseTime.
void storeOperations(const std::vector<StoredOperation>& operations, int current);
// The file's last-write time in file-time units, 0 when it cannot be read.
std::uint64_t lastWriteTime(const std::string& path);

}  // namespace evenkeeper::driver
