#include "app/win32/MainDialog.h"

#include <windowsx.h>

namespace evenkeeper {
namespace {

constexpr int kPaddedBorder = 92;  // SM_CXPADDEDBORDER (Vista and later; 0 before)

// Wine counts the menu bar of a popup window into its maximised position, which puts the
// caption above the screen; a maximised window shows its caption and hides only its frame.
void keepCaptionOnScreen(MINMAXINFO& limits) {
    const int padding = GetSystemMetrics(kPaddedBorder);
    const int frameWidth = GetSystemMetrics(SM_CXFRAME) + padding;
    const int frameHeight = GetSystemMetrics(SM_CYFRAME) + padding;
    limits.ptMaxPosition = {-frameWidth, -frameHeight};
    limits.ptMaxSize = {GetSystemMetrics(SM_CXSCREEN) + 2 * frameWidth,
                        GetSystemMetrics(SM_CYSCREEN) + 2 * frameHeight};
}

}  // namespace

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

// Shift+F10 and the menu key send no position (-1, -1): the popup opens at the selected row.
void MainDialog::OnContextMenu(WPARAM, LPARAM lParam) {
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1) at = view_.keyboardPopupPoint();
    controller_.contextMenu(at.x, at.y);
}

INT_PTR MainDialog::OnInitDialog() { return controller_.setUp(); }

void MainDialog::OnInitMenu() { controller_.menuOpening(); }

void MainDialog::OnSize(WPARAM, LPARAM) { controller_.sizeChanged(); }

INT_PTR MainDialog::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENDSESSION && wParam) controller_.sessionEnding();
    if (message == WM_SHOWWINDOW && wParam) view_.dialogShown();
    if (message == Win32MainView::kApplyShowStateMessage) view_.applySavedShowState();
    if (message == WM_GETMINMAXINFO) keepCaptionOnScreen(*reinterpret_cast<MINMAXINFO*>(lParam));
    return 0;
}

}  // namespace evenkeeper
