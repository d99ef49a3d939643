#pragma once
// The dialog that chooses a previous sync operation (dialog 110), shown modally over the
// main dialog by "Choose previous sync". The object lives for the whole run and serves every
// showing. It hands its set-up and its buttons to its controller; its list draws itself.
#include "app/ChooseSyncController.h"
#include "app/win32/ChooseList.h"
#include "framework/Dialog.h"

namespace evenkeeper {

class ChooseSyncDialog : public Dialog, private ChooseSyncView {
public:
    ChooseSyncDialog(SyncStore& store, const SyncSession& session, StoreDialogPort& mainDialog);

    // Shows the dialog over the owner until it ends; its result, or -1 when it could not be
    // shown.
    int run(HWND owner);

private:
    INT_PTR OnInitDialog() override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

    void showRows(const std::vector<ChooseRow>& rows) override { list_.showRows(rows); }
    void clearRows() override { list_.clearRows(); }
    int selectedRow() override { return list_.selectedItem(); }
    void selectRow(int row) override { list_.selectRow(row); }
    void endDialog(int result) override { EndDialog(handle(), result); }

    ChooseList list_;
    ChooseSyncController controller_;
};

}  // namespace evenkeeper
