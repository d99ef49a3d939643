#pragma once
// Everything the engine's commands work with: the two scans, the main dialog's state and
// windows, and the message pump that keeps the window alive during long work.
#include "engine/FolderScanner.h"
#include "engine/MainDialogPort.h"
#include "engine/ProgressPort.h"
#include "engine/ResultRows.h"
#include "engine/SyncSession.h"
#include "platform/MessagePump.h"

namespace evenkeeper {

struct SyncContext {
    FolderScanner& top;
    FolderScanner& bottom;
    SyncSession& session;
    MainDialogPort& dialog;
    ProgressPort& progress;
    ResultRows& rows;
    MessagePump& pump;
};

}  // namespace evenkeeper
