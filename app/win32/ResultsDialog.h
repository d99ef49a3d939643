#pragma once
// The Results dialog (dialog 111): the free space, files and plan bytes of both folders,
// drawn as lines of a right-aligned number and a label. The lines are chosen again at every
// paint, so they always show the current operation, direction and scan.
#include "app/ResultsLines.h"
#include "framework/Dialog.h"

namespace evenkeeper {

class ResultsDialog : public Dialog {
public:
    ResultsDialog(const SyncSession& session, const FolderScanner& top, const FolderScanner& bottom);

    // Runs the dialog modally over owner; 1 when it ended with OK (Enter), 0 with "Ok" or
    // the close box.
    INT_PTR Show(HWND owner);

private:
    INT_PTR OnInitDialog() override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    // One line at the line top: the number right-aligned in its column, the label after it.
    void drawLine(HDC context, const char* number, const char* label);

    const SyncSession& session_;
    const FolderScanner& top_;
    const FolderScanner& bottom_;
    int charWidth_ = 0;
    int lineHeight_ = 0;
    int lineTop_ = 0;
};

}  // namespace evenkeeper
