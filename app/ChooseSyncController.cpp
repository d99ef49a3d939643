#include "app/ChooseSyncController.h"

#include <algorithm>

#include "resources/ResourceIds.h"

namespace evenkeeper {
namespace {

constexpr int kOk = 1;      // IDOK
constexpr int kCancel = 2;  // IDCANCEL

}  // namespace

ChooseSyncController::ChooseSyncController(ChooseSyncView& view, SyncStore& store,
                                           const SyncSession& session, StoreDialogPort& mainDialog)
    : view_(view), store_(store), session_(session), mainDialog_(mainDialog) {}

void ChooseSyncController::open() {
    result_ = 0;
    fillRows();
    view_.selectRow(2 * session_.index);
}

void ChooseSyncController::command(int id) {
    switch (id) {
        case kOk: choose(); break;
        case kCancel: end(); break;
        case IDC_CHOOSE_DELETE: deleteSelected(); break;
        default: break;
    }
}

void ChooseSyncController::fillRows() {
    rows_ = chooseRows(store_);
    view_.showRows(rows_);
}

// The list's items refer to the rows and the rows to the records: the items go first.
void ChooseSyncController::releaseRows() {
    view_.clearRows();
    rows_.clear();
}

void ChooseSyncController::choose() {
    int row = view_.selectedRow();
    if (row >= 0 && row < int(rows_.size())) {
        mainDialog_.selectOperation(rows_[std::size_t(row)].position);
        result_ = 1;
    }
    end();
}

// The store never becomes empty: the main dialog always shows a current operation.
void ChooseSyncController::deleteSelected() {
    if (store_.count() <= 1) return;
    int row = view_.selectedRow();
    if (row < 0 || row >= int(rows_.size())) return;
    const int deleted = rows_[std::size_t(row)].position;
    const bool deletesCurrent = store_.at(deleted) == session_.currentOperation;
    releaseRows();
    store_.removeAt(deleted);
    fillRows();
    // The main dialog must never keep a removed record, and its index must keep naming the
    // current one: the record that took the deleted one's place (or the new last) becomes
    // current, and a current record that moved down is selected at its new position.
    if (deletesCurrent)
        mainDialog_.selectOperation(std::min(deleted, store_.count() - 1));
    else if (store_.positionOf(session_.currentOperation) != session_.index)
        mainDialog_.selectOperation(store_.positionOf(session_.currentOperation));
    view_.selectRow(2 * session_.index);
    result_ = 1;
}

void ChooseSyncController::end() {
    releaseRows();
    view_.endDialog(result_);
}

}  // namespace evenkeeper
