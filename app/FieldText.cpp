#include "app/FieldText.h"

#include <cstdlib>

#include "platform/Utf8Text.h"

namespace evenkeeper {

std::string folderFromField(const std::string& field) {
    // The field's read is cut in bytes, which may end inside a letter.
    std::string text = field.substr(0, utf8FitLength(field.data(), field.size(), kFolderFieldLength));
    if (text.empty() || text.back() == '\\') return text;
    return text + '\\';
}

std::int64_t levelsFromField(const std::string& text) {
    // Nineteen digits always fit in 64 bits, so the value is never cut.
    return std::strtoll(text.substr(0, kLevelsFieldLength).c_str(), nullptr, 10);
}

}  // namespace evenkeeper
