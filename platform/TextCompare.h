#pragma once
// Case-insensitive comparison of names in the system's locale, and a key that is equal for
// exactly the texts the comparison calls equal, so that names can be indexed by hashing.
#include <string>

namespace evenkeeper {

class TextCompare {
public:
    virtual ~TextCompare() = default;
    virtual bool equalNoCase(const char* a, const char* b) const = 0;
    // key(a) == key(b) whenever equalNoCase(a, b).
    virtual void caseKey(const char* text, std::string& key) const = 0;
};

TextCompare& systemTextCompare();

}  // namespace evenkeeper
