#include "platform/TextCompare.h"
#include "platform/posix/Cp1252.h"

namespace evenkeeper {
namespace {

class PosixTextCompare : public TextCompare {
public:
    bool equalNoCase(const char* a, const char* b) const override {
        for (;; ++a, ++b) {
            unsigned char x = upperCp1252(static_cast<unsigned char>(*a));
            if (x != upperCp1252(static_cast<unsigned char>(*b))) return false;
            if (x == 0) return true;
        }
    }
    void caseKey(const char* text, std::string& key) const override {
        key.clear();
        for (; *text; ++text) key.push_back(char(upperCp1252(static_cast<unsigned char>(*text))));
    }
};

}  // namespace

TextCompare& systemTextCompare() {
    static PosixTextCompare compare;
    return compare;
}

}  // namespace evenkeeper
