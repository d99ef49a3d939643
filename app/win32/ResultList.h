#pragma once
// The result list (control 1000): one row per planned action or listed file. The rows are
// the program's own (a FileEntry and an image each); the list control only knows how many
// there are and asks for the texts and images of the rows it shows; the texts come from the
// row's file.
#include <cstdint>
#include <deque>

#include "app/ListRows.h"
#include "app/ResultListOwner.h"
#include "app/RowFiles.h"
#include "framework/ListViewControl.h"

namespace evenkeeper {

class ResultList : public ListViewControl, public ListRows {
public:
    ResultList(const RowFiles& files, ResultListOwner& owner) : files_(files), owner_(owner) {}

    void insertColumns(const std::int32_t widths[4]);
    // While held, the list is drawn a few times a second instead of after every change.
    void holdDrawing(bool hold);
    bool drawingHeld() const { return held_; }

    void clearRows() override;
    void appendRow(FileEntry& entry, int image) override;
    int nextRow(int row) override;
    FileEntry* entryAt(int row) override;
    void deleteRow(int row) override;
    int selectedRow() override;
    // Where a popup asked for from the keyboard opens, on the screen: below the selected
    // row's label when the row is in sight, else the list's top left corner.
    POINT keyboardPopupPoint();

    int OnReflectedNotify(NMHDR* header) override;

private:
    struct Row {
        FileEntry* entry;
        int image;
    };

    void describeRow(NMLVDISPINFOA& request);
    void drawNowAndThen();
    // Tells the control the number of rows, which it shows from then on.
    void showRowCount();

    const RowFiles& files_;
    ResultListOwner& owner_;
    std::deque<Row> rows_;  // a run removes rows from the front
    bool held_ = false;
    DWORD lastDrawn_ = 0;
    DWORD drawTime_ = 0;  // how long the last drawing took
};

}  // namespace evenkeeper
