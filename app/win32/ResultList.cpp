#include "app/win32/ResultList.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/Utf8Text.h"

namespace evenkeeper {
namespace {

struct ColumnFormat {
    const char* header;
    int alignment;
};

constexpr ColumnFormat kColumns[] = {
    {"Name", LVCFMT_LEFT}, {"Size", LVCFMT_RIGHT}, {"Modified", LVCFMT_RIGHT}, {"Path", LVCFMT_LEFT}};
// A drawing of the list takes tens of milliseconds under some systems: it is repeated no
// sooner than 200 ms, nor than twenty times its own length, after the last one.
constexpr DWORD kLeastDrawInterval = 200;  // milliseconds
constexpr DWORD kDrawIntervalPerDrawTime = 20;

}  // namespace

POINT ResultList::keyboardPopupPoint() {
    RECT client, label = {};
    GetClientRect(handle(), &client);
    label.left = LVIR_LABEL;
    const int row = selectedRow();
    POINT at = {0, 0};
    RECT shown;
    if (row != -1 &&
        SendMessageA(handle(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&label)) &&
        IntersectRect(&shown, &label, &client))
        at = {label.left, label.bottom};
    ClientToScreen(handle(), &at);
    return at;
}

void ResultList::insertColumns(const std::int32_t widths[4]) {
    for (int column = 0; column < 4; ++column)
        insertColumn(column, kColumns[column].header, kColumns[column].alignment, widths[column]);
}

// Drawing the list after each row it gains or loses costs far more than the row's own
// work, so long steps change it undrawn and show it now and then. Its rows move under the
// user's selection meanwhile, so the selection goes.
void ResultList::holdDrawing(bool hold) {
    held_ = hold;
    if (hold) {
        LVITEMA none = {};
        none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(handle(), LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&none));
    }
    SendMessageA(handle(), WM_SETREDRAW, !hold, 0);
    if (!hold) showRowCount();
    lastDrawn_ = GetTickCount();
}

void ResultList::drawNowAndThen() {
    if (!held_) {
        showRowCount();
        return;
    }
    DWORD start = GetTickCount();
    if (start - lastDrawn_ < std::max(kLeastDrawInterval, kDrawIntervalPerDrawTime * drawTime_))
        return;
    SendMessageA(handle(), WM_SETREDRAW, TRUE, 0);
    showRowCount();
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SendMessageA(handle(), WM_SETREDRAW, FALSE, 0);
    lastDrawn_ = GetTickCount();
    drawTime_ = lastDrawn_ - start;
}

void ResultList::showRowCount() {
    SendMessageA(handle(), LVM_SETITEMCOUNT, rows_.size(), LVSICF_NOSCROLL);
}

void ResultList::clearRows() {
    rows_.clear();
    SendMessageA(handle(), LVM_DELETEALLITEMS, 0, 0);
}

void ResultList::appendRow(FileEntry& entry, int image) {
    rows_.push_back({&entry, image});
    drawNowAndThen();
}

int ResultList::nextRow(int row) { return row + 1 < int(rows_.size()) ? row + 1 : -1; }

FileEntry* ResultList::entryAt(int row) {
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].entry : nullptr;
}

void ResultList::deleteRow(int row) {
    if (row < 0 || row >= int(rows_.size())) return;
    rows_.erase(rows_.begin() + row);
    // Undrawn, the control learns the new count when it is next drawn; drawn, it moves the
    // selection with the rows.
    if (held_)
        drawNowAndThen();
    else
        SendMessageA(handle(), LVM_DELETEITEM, row, 0);
}

int ResultList::selectedRow() { return selectedItem(); }

int ResultList::OnReflectedNotify(NMHDR* header) {
    switch (header->code) {
        case LVN_GETDISPINFOA: describeRow(*reinterpret_cast<NMLVDISPINFOA*>(header)); break;
        case NM_DBLCLK: owner_.openSelectedFile(); break;
        default: break;
    }
    return 0;
}

void ResultList::describeRow(NMLVDISPINFOA& request) {
    LVITEMA& item = request.item;
    if (item.iItem < 0 || item.iItem >= int(rows_.size())) return;
    const Row& row = rows_[std::size_t(item.iItem)];
    if (item.mask & LVIF_IMAGE) item.iImage = row.image;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    std::string text = files_.columnText(*row.entry, item.iSubItem);
    std::size_t length = utf8FitLength(text.data(), text.size(), std::size_t(item.cchTextMax - 1));
    std::memcpy(item.pszText, text.data(), length);
    item.pszText[length] = '\0';
}

}  // namespace evenkeeper
