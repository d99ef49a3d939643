#pragma once
// The lines of a box text: separated by "\n"; a "\n" at the very end starts no further line,
// an empty text has none, and "\n\n" inside makes an empty line.
#include <vector>

namespace evenkeeper {

struct LineSpan {
    int offset = 0;
    int length = 0;
};

std::vector<LineSpan> splitLines(const char* text);

}  // namespace evenkeeper
