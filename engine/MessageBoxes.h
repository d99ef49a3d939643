#pragma once
// The program's message boxes as the ports ask for them: the caption they all carry, the
// flags of a notice and of the two questions, and the answers a box gives. The values are
// the system's own (MB_..., ID...), so the view passes them on unchanged.
#include <cstdint>

namespace evenkeeper {

constexpr char kMessageCaption[] = "Evenkeeper";

// MB_OK | MB_ICONEXCLAMATION.
constexpr std::uint32_t kNotice = 0x30;
// MB_YESNOCANCEL or MB_YESNO, each with MB_ICONQUESTION.
constexpr std::uint32_t kYesNoCancelQuestion = 0x23;
constexpr std::uint32_t kYesNoQuestion = 0x24;

// IDYES, IDNO, IDCANCEL; 0 when the box was closed without a button.
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
constexpr int kAnswerCancel = 2;

}  // namespace evenkeeper
