#pragma once
// The list of the dialog that chooses a previous sync operation (control 1014): owner-drawn
// fixed rows, two per operation, each item drawn from the row its item data refers to.
#include <vector>

#include "app/ChooseRows.h"
#include "framework/ListViewControl.h"

namespace evenkeeper {

class ChooseList : public ListViewControl {
public:
    // Full-row selection, black text on pale yellow, and the five columns.
    void setUp();
    void showRows(const std::vector<ChooseRow>& rows);
    void clearRows();
    void selectRow(int row);

    void OnReflectedDrawItem(const DRAWITEMSTRUCT& item) override;
};

}  // namespace evenkeeper
