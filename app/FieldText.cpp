#include "app/FieldText.h"

#include <cstdlib>

namespace evenkeeper {

std::int64_t levelsFromField(const std::string& text) {
    // Nineteen digits always fit in 64 bits, so the value is never cut.
    return std::strtoll(text.substr(0, kLevelsFieldLength).c_str(), nullptr, 10);
}

}  // namespace evenkeeper
