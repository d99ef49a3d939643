#pragma once
// What the sync operations file asks of the main dialog besides its status bar and notices.
#include <cstdint>

#include "platform/WindowHandle.h"

namespace evenkeeper {

// The flags of a question with Yes, No (and Cancel) and the question icon (MB_YESNOCANCEL or
// MB_YESNO | MB_ICONQUESTION), and the answers the message box gives (IDYES, IDNO, IDCANCEL;
// 0 when the box was closed without a button).
constexpr std::uint32_t kYesNoCancelQuestion = 0x23;
constexpr std::uint32_t kYesNoQuestion = 0x24;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
constexpr int kAnswerCancel = 2;

class StoreDialogPort {
public:
    virtual ~StoreDialogPort() = default;
    // Makes the record at position current (the first, with index 0, when there is none
    // there), sets the session's currentOperation and index, and shows the record.
    virtual void selectOperation(int position) = 0;
    // The icon of currentOperation's direction on the direction button.
    virtual void showDirectionIcon() = 0;
    // The message box owned by the main dialog, in the colours of its notices; the button
    // that answered it.
    virtual int ask(const char* text, const char* caption, std::uint32_t flags) = 0;
    // The owner of the dialogs the store opens.
    virtual WindowHandle window() = 0;
};

}  // namespace evenkeeper
