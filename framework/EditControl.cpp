#include "framework/EditControl.h"

namespace evenkeeper {

int EditControl::Create(HWND parent, int id, const char* text, int x, int y, int width,
                        int height) {
    const int created = attachOrCreate("EDIT", parent, id, text, x, y, width, height);
    SetWindowTextA(handle(), text);
    return created;
}

int EditControl::OnReflectedCommand(int notificationCode, int controlId) {
    return notificationCode == EN_KILLFOCUS ? callCallback(controlId) : 0;
}

}  // namespace evenkeeper
