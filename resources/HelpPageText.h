#pragma once
// The help page that "Program info" shows in the browser: one line of XHTML 1.0
// Transitional, without a line break at its end.
#include <string>

namespace evenkeeper {

const std::string& helpPageText();

}  // namespace evenkeeper
