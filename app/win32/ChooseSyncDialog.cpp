#include "app/win32/ChooseSyncDialog.h"

#include "framework/CentreOverOwner.h"
#include "resources/ResourceIds.h"

namespace evenkeeper {

ChooseSyncDialog::ChooseSyncDialog(SyncStore& store, const SyncSession& session,
                                   StoreDialogPort& mainDialog)
    : controller_(*this, store, session, mainDialog) {}

int ChooseSyncDialog::run(HWND owner) { return int(RunModal(owner, IDD_CHOOSE_SYNC)); }

// The list's object, attached here, draws the list's items.
INT_PTR ChooseSyncDialog::OnInitDialog() {
    list_.Create(handle(), IDC_CHOOSE_LIST, "", 0, 0, 0, 0);
    list_.setUp();
    controller_.open();
    CentreOverOwner(handle());
    return 1;  // the system gives the first control the focus
}

// The dialog manager turns the close box and Escape into Cancel.
void ChooseSyncDialog::OnCommand(WPARAM wParam, LPARAM) { controller_.command(LOWORD(wParam)); }

}  // namespace evenkeeper
