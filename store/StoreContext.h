#pragma once
// Everything the store's commands work with: the operations, the main dialog's state and
// windows, and the disk.
#include "engine/MainDialogPort.h"
#include "engine/SyncSession.h"
#include "platform/FileSystem.h"
#include "platform/TextCompare.h"
#include "store/StoreDialogPort.h"
#include "store/SyncStore.h"

namespace evenkeeper {

struct StoreContext {
    SyncStore& store;
    SyncSession& session;
    MainDialogPort& dialog;      // status bar and notices
    StoreDialogPort& storeDialog;  // selecting, the direction icon, questions
    FileSystem& files;
    const TextCompare& compare;
};

}  // namespace evenkeeper
