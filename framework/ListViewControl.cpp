#include "framework/ListViewControl.h"

namespace evenkeeper {

int ListViewControl::Create(HWND parent, int id, const char* text, int x, int y, int width,
                            int height) {
    return attachOrCreate(WC_LISTVIEWA, parent, id, text, x, y, width, height);
}

void ListViewControl::insertColumn(int column, const char* header, int format, int width) {
    LVCOLUMNA description = {};
    description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    description.fmt = format;
    description.cx = width;
    description.pszText = const_cast<char*>(header);
    description.iSubItem = column;
    SendMessageA(handle(), LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&description));
}

int ListViewControl::columnWidth(int column) {
    return int(SendMessageA(handle(), LVM_GETCOLUMNWIDTH, column, 0));
}

int ListViewControl::selectedItem() {
    return int(SendMessageA(handle(), LVM_GETNEXTITEM, WPARAM(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

}  // namespace evenkeeper
