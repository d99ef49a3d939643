#include "framework/layout/TextLines.h"

namespace evenkeeper {

std::vector<LineSpan> splitLines(const char* text) {
    std::vector<LineSpan> lines;
    int start = 0;
    int i = 0;
    for (; text[i] != '\0'; ++i) {
        if (text[i] == '\n') {
            lines.push_back({start, i - start});
            start = i + 1;
        }
    }
    if (i > start) lines.push_back({start, i - start});
    return lines;
}

}  // namespace evenkeeper
