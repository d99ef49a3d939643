#pragma once
// The windows of the dialog that chooses a previous sync operation, as its controller sees
// them. The Win32 dialog makes the calls on its list; tests hand in a fake.
#include <vector>

#include "app/ChooseRows.h"

namespace evenkeeper {

class ChooseSyncView {
public:
    virtual ~ChooseSyncView() = default;
    // The list shows one item per row, in order, and draws each from its row, which stays
    // where it is until clearRows.
    virtual void showRows(const std::vector<ChooseRow>& rows) = 0;
    virtual void clearRows() = 0;
    // The selected row, or -1 when none is.
    virtual int selectedRow() = 0;
    virtual void selectRow(int row) = 0;
    virtual void endDialog(int result) = 0;
};

}  // namespace evenkeeper
