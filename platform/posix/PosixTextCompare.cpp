#include <locale.h>
#include <wctype.h>

#include "platform/TextCompare.h"
#include "platform/Utf8Text.h"

namespace evenkeeper {
namespace {

// Names compare as a Windows file system compares them: character by character after
// mapping each to its upper case, Ä with ä and Ω with ω. A byte that is not UTF-8 stands for
// itself. The case tables are the C library's for UTF-8; without them only ASCII folds.
class PosixTextCompare : public TextCompare {
public:
    PosixTextCompare() : utf8_(newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0))) {}
    ~PosixTextCompare() override {
        if (utf8_) freelocale(utf8_);
    }

    bool equalNoCase(const char* a, const char* b) const override {
        for (;; ++a, ++b) {
            unsigned char x = static_cast<unsigned char>(*a), y = static_cast<unsigned char>(*b);
            if ((x | y) >= 0x80) break;
            if (upperAscii(x) != upperAscii(y)) return false;
            if (x == 0) return true;
        }
        std::string keyA, keyB;
        caseKey(a, keyA);
        caseKey(b, keyB);
        return keyA == keyB;
    }

    void caseKey(const char* text, std::string& key) const override {
        key.clear();
        std::size_t length = std::char_traits<char>::length(text);
        for (std::size_t at = 0, size; at < length; at += size) {
            unsigned char c = static_cast<unsigned char>(text[at]);
            if (c < 0x80) {
                key += char(upperAscii(c));
                size = 1;
                continue;
            }
            std::uint32_t character = decodeUtf8(text, length, at, size);
            if (character == kNotUtf8)
                key += text[at];
            else
                appendUtf8(upper(character), key);
        }
    }

private:
    static unsigned char upperAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

    std::uint32_t upper(std::uint32_t character) const {
        return utf8_ ? std::uint32_t(towupper_l(wint_t(character), utf8_)) : character;
    }

    locale_t utf8_;
};

}  // namespace

TextCompare& systemTextCompare() {
    static PosixTextCompare compare;
    return compare;
}

}  // namespace evenkeeper
