#include "app/win32/MainDialog.h"

#include <windowsx.h>

namespace evenkeeper {

MainDialog::MainDialog(const MainServices& services, ProgressWindow& progress,
                       MessageBoxWindow& messages, ResultsDialog& results,
                       ChooseSyncDialog& chooseSync)
    : view_(*this, services.rowFiles, controller_, progress, messages, results, chooseSync),
      controller_(view_, services) {}

void MainDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    // A field's notifications count only when it has lost the focus.
    if (view_.fieldOf(reinterpret_cast<HWND>(lParam)) != Field::none && HIWORD(wParam) != EN_KILLFOCUS)
        return;
    controller_.command(LOWORD(wParam));
}

void MainDialog::OnContextMenu(WPARAM, LPARAM lParam) {
    controller_.contextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

INT_PTR MainDialog::OnInitDialog() { return controller_.setUp(); }

void MainDialog::OnInitMenu() { controller_.menuOpening(); }

void MainDialog::OnSize(WPARAM, LPARAM) { controller_.sizeChanged(); }

INT_PTR MainDialog::DefaultHandler(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_ENDSESSION && wParam) controller_.sessionEnding();
    return 0;
}

}  // namespace evenkeeper
