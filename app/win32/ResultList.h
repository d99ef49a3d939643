#pragma once
// The result list (control 1000): one row per planned action or listed file, each holding
// its FileEntry. Only the name is stored in the row; the other columns are asked for when
// the list shows them.
#include <cstdint>

#include "app/ListRows.h"
#include "app/ResultListOwner.h"
#include "framework/ListViewControl.h"

namespace evenkeeper {

class ResultList : public ListViewControl, public ListRows {
public:
    explicit ResultList(ResultListOwner& owner) : owner_(owner) {}

    void insertColumns(const std::int32_t widths[4]);
    int columnWidth(int column);
    // While held, the list is drawn a few times a second instead of after every change.
    void holdDrawing(bool hold);

    void clearRows() override;
    void appendRow(FileEntry& entry, int image) override;
    int nextRow(int row) override;
    FileEntry* entryAt(int row) override;
    void deleteRow(int row) override;
    int selectedRow() override;

    int OnReflectedNotify(NMHDR* header) override;

private:
    void copyColumnText(NMLVDISPINFOA& request);
    void drawNowAndThen();

    ResultListOwner& owner_;
    bool held_ = false;
    DWORD lastDrawn_ = 0;
};

}  // namespace evenkeeper
