#pragma once
// The decisions of the dialog that chooses a previous sync operation: its rows, what OK,
// Cancel and Delete do to the store and the main dialog, and the result it ends with (1
// when it chose an operation or deleted one, so that the main dialog marks the change).
#include <vector>

#include "app/ChooseRows.h"
#include "app/ChooseSyncView.h"
#include "engine/SyncSession.h"
#include "store/StoreDialogPort.h"
#include "store/SyncStore.h"

namespace evenkeeper {

class ChooseSyncController {
public:
    ChooseSyncController(ChooseSyncView& view, SyncStore& store, const SyncSession& session,
                         StoreDialogPort& mainDialog);

    // Every showing starts afresh, with the current operation's first row selected.
    void open();
    // A button of the dialog (OK 1, Cancel 2, Delete), or Cancel from the close box or
    // Escape; other ids are ignored.
    void command(int id);

    int result() const { return result_; }
    const std::vector<ChooseRow>& rows() const { return rows_; }

private:
    void fillRows();
    void releaseRows();
    void choose();
    void deleteSelected();
    void end();

    ChooseSyncView& view_;
    SyncStore& store_;
    const SyncSession& session_;
    StoreDialogPort& mainDialog_;
    std::vector<ChooseRow> rows_;
    int result_ = 0;
};

}  // namespace evenkeeper
