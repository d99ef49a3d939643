#pragma once

namespace evenkeeper {

// The character after the first "&" of a button text, or 0 when there is none.
char mnemonicOf(const char* text);

}  // namespace evenkeeper
