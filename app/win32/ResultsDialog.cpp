#include "app/win32/ResultsDialog.h"

#include "framework/CentreOverOwner.h"
#include "resources/ResourceIds.h"

namespace evenkeeper {
namespace {

constexpr int kNumberWidth = 150;
constexpr int kLabelWidth = 240;

}  // namespace

ResultsDialog::ResultsDialog(const SyncSession& session, const FolderScanner& top,
                             const FolderScanner& bottom)
    : session_(session), top_(top), bottom_(bottom) {}

INT_PTR ResultsDialog::Show(HWND owner) { return RunModal(owner, IDD_RESULTS); }

// The lines are drawn with the font of a fresh context of the window, not the dialog's.
INT_PTR ResultsDialog::OnInitDialog() {
    HDC context = GetDC(handle());
    TEXTMETRICA metrics = {};
    GetTextMetricsA(context, &metrics);
    ReleaseDC(handle(), context);
    charWidth_ = metrics.tmAveCharWidth;
    lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
    CentreOverOwner(handle());
    return 1;
}

void ResultsDialog::OnCommand(WPARAM wParam, LPARAM) {
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
        EndDialog(handle(), LOWORD(wParam) == IDOK ? 1 : 0);
}

// The lines are drawn inside the paint's own BeginPaint, after the uncovered part was
// erased: drawn before it, on a context of their own, they would be erased again.
void ResultsDialog::OnPaint() {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(handle(), &paint);
    lineTop_ = lineHeight_;
    SetBkColor(context, GetSysColor(COLOR_BTNFACE));
    for (const ResultsLine& line : resultsLines(currentFigures(session_, top_, bottom_)))
        drawLine(context, line.number.c_str(), line.label.c_str());
    EndPaint(handle(), &paint);
}

void ResultsDialog::drawLine(HDC context, const char* number, const char* label) {
    RECT numberBox = {charWidth_, lineTop_, charWidth_ + kNumberWidth, lineTop_ + lineHeight_};
    DrawTextA(context, number, -1, &numberBox, DT_RIGHT);
    const int labelLeft = numberBox.right + charWidth_;
    RECT labelBox = {labelLeft, lineTop_, labelLeft + kLabelWidth, lineTop_ + lineHeight_};
    DrawTextA(context, label, -1, &labelBox, 0);
    lineTop_ += lineHeight_;
}

}  // namespace evenkeeper
