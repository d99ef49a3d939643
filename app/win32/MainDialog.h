#pragma once
// The main dialog (dialog 101): the program's window. Its messages are unpacked here and
// handed to the controller, which decides; the view makes the calls on its windows.
#include "app/MainController.h"
#include "app/win32/Win32MainView.h"
#include "framework/Dialog.h"

namespace evenkeeper {

class MainDialog : public Dialog {
public:
    MainDialog(const MainServices& services, ProgressWindow& progress, MessageBoxWindow& messages,
               ResultsDialog& results, ChooseSyncDialog& chooseSync);

    // The main dialog as the engine and the store see it.
    MainController& controller() { return controller_; }

protected:
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnContextMenu(WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnInitDialog() override;
    void OnInitMenu() override;
    void OnSize(WPARAM wParam, LPARAM lParam) override;
    // The end of the Windows session and the dialog's showing, which reach a dialog here.
    INT_PTR DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Win32MainView view_;
    MainController controller_;
};

}  // namespace evenkeeper
