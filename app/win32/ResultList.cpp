#include "app/win32/ResultList.h"

#include <algorithm>
#include <cstring>
#include <string>


namespace evenkeeper {
namespace {

struct ColumnFormat {
    const char* header;
    int alignment;
};

constexpr ColumnFormat kColumns[] = {
    {"Name", LVCFMT_LEFT}, {"Size", LVCFMT_RIGHT}, {"Modified", LVCFMT_RIGHT}, {"Path", LVCFMT_LEFT}};
constexpr int kPastTheEnd = 0x0FFFFFFF;
constexpr DWORD kDrawEvery = 200;  // milliseconds

}  // namespace

void ResultList::insertColumns(const std::int32_t widths[4]) {
    for (int column = 0; column < 4; ++column) {
        LVCOLUMNA description = {};
        description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        description.fmt = kColumns[column].alignment;
        description.cx = widths[column];
        description.pszText = const_cast<char*>(kColumns[column].header);
        description.iSubItem = column;
        SendMessageA(handle(), LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&description));
    }
}

int ResultList::columnWidth(int column) {
    return int(SendMessageA(handle(), LVM_GETCOLUMNWIDTH, column, 0));
}

// Drawing the list after each row it gains or loses takes milliseconds, far longer than
// the row's own work, so long steps fill and empty it undrawn and show it now and then.
void ResultList::holdDrawing(bool hold) {
    held_ = hold;
    SendMessageA(handle(), WM_SETREDRAW, !hold, 0);
    if (!hold) InvalidateRect(handle(), nullptr, TRUE);
    lastDrawn_ = GetTickCount();
}

void ResultList::drawNowAndThen() {
    if (!held_ || GetTickCount() - lastDrawn_ < kDrawEvery) return;
    SendMessageA(handle(), WM_SETREDRAW, TRUE, 0);
    RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SendMessageA(handle(), WM_SETREDRAW, FALSE, 0);
    lastDrawn_ = GetTickCount();
}

void ResultList::clearRows() { SendMessageA(handle(), LVM_DELETEALLITEMS, 0, 0); }

void ResultList::appendRow(FileEntry& entry, int image) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = kPastTheEnd;
    item.pszText = const_cast<char*>(entry.name);
    item.iImage = image;
    item.lParam = reinterpret_cast<LPARAM>(&entry);
    SendMessageA(handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    drawNowAndThen();
}

int ResultList::nextRow(int row) {
    return int(SendMessageA(handle(), LVM_GETNEXTITEM, WPARAM(row), MAKELPARAM(LVNI_ALL, 0)));
}

FileEntry* ResultList::entryAt(int row) {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageA(handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<FileEntry*>(item.lParam);
}

void ResultList::deleteRow(int row) {
    SendMessageA(handle(), LVM_DELETEITEM, row, 0);
    drawNowAndThen();
}

int ResultList::selectedRow() {
    return int(SendMessageA(handle(), LVM_GETNEXTITEM, WPARAM(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

int ResultList::OnReflectedNotify(NMHDR* header) {
    switch (header->code) {
        case LVN_GETDISPINFOA: copyColumnText(*reinterpret_cast<NMLVDISPINFOA*>(header)); break;
        case NM_DBLCLK: owner_.openSelectedFile(); break;
        default: break;
    }
    return 0;
}

void ResultList::copyColumnText(NMLVDISPINFOA& request) {
    LVITEMA& item = request.item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    const FileEntry* entry = entryAt(item.iItem);
    std::string text = entry ? owner_.columnText(*entry, item.iSubItem) : std::string();
    std::size_t length = std::min(text.size(), std::size_t(item.cchTextMax - 1));
    std::memcpy(item.pszText, text.data(), length);
    item.pszText[length] = '\0';
}

}  // namespace evenkeeper
