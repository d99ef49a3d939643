#pragma once
// The objects that live for the whole run, built before the entry runs and destroyed after
// it returns, in reverse order.
#include "app/win32/ChooseSyncDialog.h"
#include "app/HelpPage.h"
#include "app/win32/MainDialog.h"
#include "app/win32/PacedMessagePump.h"
#include "app/win32/ResultsDialog.h"
#include "app/win32/SingleInstance.h"
#include "engine/FolderScanner.h"
#include "framework/MessageBoxWindow.h"
#include "framework/ProgressWindow.h"
#include "platform/win32/Win32FileDialog.h"
#include "store/SyncStore.h"

namespace evenkeeper {

class Program {
public:
    Program();

    // Runs the main dialog; the process's exit code: 1 when the dialog ended with a nonzero
    // result, else 0, also when it could not be opened.
    int run(HINSTANCE instance);

private:
    MainServices services();
    ScannerServices scannerServices();

    SingleInstance instance_;
    PacedMessagePump pump_;
    MainDialog mainDialog_;
    ResultsDialog results_;
    FolderScanner top_;
    FolderScanner bottom_;
    RowFiles rowFiles_;
    SyncStore store_;
    MessageBoxWindow messageBox_;
    ProgressWindow progress_;
    Win32FileDialog fileDialog_;
    ChooseSyncDialog chooseSync_;
    HelpPage helpPage_;
};

}  // namespace evenkeeper
