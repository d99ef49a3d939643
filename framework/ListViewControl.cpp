#include "framework/ListViewControl.h"

namespace evenkeeper {

int ListViewControl::Create(HWND parent, int id, const char* text, int x, int y, int width,
                            int height) {
    return attachOrCreate(WC_LISTVIEWA, parent, id, text, x, y, width, height);
}

}  // namespace evenkeeper
