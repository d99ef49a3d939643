#pragma once
// What the main dialog's fields hold once the user leaves them.
#include <cstdint>
#include <string>

namespace evenkeeper {

// In bytes: 259 ASCII letters, fewer of other scripts (two to four bytes each in UTF-8).
constexpr int kFolderFieldLength = 259;
constexpr int kLevelsFieldLength = 19;

// The levels text read as a decimal number: leading blanks and a sign, then the leading
// digits; anything else gives 0.
std::int64_t levelsFromField(const std::string& text);

}  // namespace evenkeeper
