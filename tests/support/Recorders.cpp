#include "support/Recorders.h"

#include <cstdio>

namespace evenkeeper::test {

void RecordingProgress::SetColours(std::uint32_t text, std::uint32_t background) {
    char call[40];
    std::snprintf(call, sizeof call, "colours %x %x", unsigned(text), unsigned(background));
    calls.push_back(call);
}

int RecordingProgress::Show(const char* text) {
    calls.push_back(std::string("show ") + text);
    return 1;
}

int RecordingProgress::Close() {
    calls.push_back("close");
    return 1;
}

void RecordingRows::clearRows() {
    rows.clear();
    ++clears;
}

std::vector<std::string> RecordingRows::describe() const {
    std::vector<std::string> lines;
    for (const Row& row : rows) lines.push_back(std::to_string(row.image) + " " + row.entry->name);
    return lines;
}

}  // namespace evenkeeper::test
