#include "app/win32/ChooseSyncDialog.h"

#include "framework/CentreOverOwner.h"
#include "framework/ModuleInstance.h"
#include "resources/ResourceIds.h"

namespace evenkeeper {

ChooseSyncDialog::ChooseSyncDialog(SyncStore& store, const SyncSession& session,
                                   StoreDialogPort& mainDialog)
    : controller_(*this, store, session, mainDialog) {}

int ChooseSyncDialog::run(HWND owner) {
    return int(DialogBoxParamA(moduleInstance(), MAKEINTRESOURCEA(IDD_CHOOSE_SYNC), owner,
                               DialogRouter, reinterpret_cast<LPARAM>(this)));
}

// Every other message is left to the dialog manager, which turns the close box and Escape
// into Cancel.
INT_PTR ChooseSyncDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            list_.Create(handle(), IDC_CHOOSE_LIST, "", 0, 0, 0, 0);
            list_.setUp();
            controller_.open();
            CentreOverOwner(handle());
            return 1;  // the system gives the first control the focus
        case WM_DRAWITEM:
            if (wParam == IDC_CHOOSE_LIST)
                list_.OnReflectedDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return 0;
        case WM_COMMAND: controller_.command(LOWORD(wParam)); return 0;
        default: return 0;
    }
}

}  // namespace evenkeeper
