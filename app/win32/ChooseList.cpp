#include "app/win32/ChooseList.h"

#include <climits>

namespace evenkeeper {
namespace {

constexpr COLORREF kTextColour = 0;
constexpr COLORREF kBackground = 0xCDFAFF;
constexpr int kTextMargin = 4;  // pixels on each side of a column's text

}  // namespace

void ChooseList::setUp() {
    SendMessageA(handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageA(handle(), LVM_SETTEXTCOLOR, 0, kTextColour);
    SendMessageA(handle(), LVM_SETBKCOLOR, 0, kBackground);
    SendMessageA(handle(), LVM_SETTEXTBKCOLOR, 0, kBackground);
    for (int column = 0; column < kChooseColumnCount; ++column)
        insertColumn(column, kChooseColumns[column].header, LVCFMT_LEFT,
                     kChooseColumns[column].width);
}

void ChooseList::showRows(const std::vector<ChooseRow>& rows) {
    clearRows();
    for (const ChooseRow& row : rows) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = INT_MAX;  // at the end
        item.lParam = reinterpret_cast<LPARAM>(&row);
        SendMessageA(handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void ChooseList::clearRows() { SendMessageA(handle(), LVM_DELETEALLITEMS, 0, 0); }

// The keyboard goes on from the selected row, which is scrolled into sight: with many
// operations the current one may lie below the list's end.
void ChooseList::selectRow(int row) {
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageA(handle(), LVM_ENSUREVISIBLE, row, FALSE);
}

// Only whole items are drawn: the selection's outline is part of one.
void ChooseList::OnReflectedDrawItem(const DRAWITEMSTRUCT& item) {
    const auto* row = reinterpret_cast<const ChooseRow*>(item.itemData);
    if (!(item.itemAction & ODA_DRAWENTIRE) || !row) return;
    HDC dc = item.hDC;
    const RECT& area = item.rcItem;
    const int saved = SaveDC(dc);
    HBRUSH brush = CreateSolidBrush(row->colour);
    FillRect(dc, &area, brush);
    // The pair's colour shows between the outline's dots and behind the texts, so that a
    // pair reads as one band.
    SetBkMode(dc, TRANSPARENT);
    HPEN pen = nullptr;
    if (item.itemState & ODS_SELECTED) {
        pen = CreatePen(PS_DOT, 0, kTextColour);
        SelectObject(dc, pen);
        SelectObject(dc, brush);
        Rectangle(dc, area.left, area.top, area.right, area.bottom);
    }
    int x = area.left;
    for (int column = 0; column < kChooseColumnCount; ++column) {
        const int width = columnWidth(column);
        RECT cell = {x + kTextMargin, area.top, x + width - kTextMargin, area.bottom};
        DrawTextA(dc, chooseColumnText(*row, column).c_str(), -1, &cell,
                  DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        x += width;
    }
    RestoreDC(dc, saved);
    DeleteObject(brush);
    if (pen) DeleteObject(pen);
}

}  // namespace evenkeeper
