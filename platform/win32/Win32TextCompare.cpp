#include <windows.h>

#include "platform/TextCompare.h"

namespace evenkeeper {
namespace {

// lstrcmpiA compares with the thread locale and NORM_IGNORECASE; a sort key made with the
// same locale and flag orders (and so equates) texts exactly as that comparison does. Both
// take the texts in the process's code page, UTF-8 by the manifest: Ω and ω compare equal.
class Win32TextCompare : public TextCompare {
public:
    bool equalNoCase(const char* a, const char* b) const override { return lstrcmpiA(a, b) == 0; }

    void caseKey(const char* text, std::string& key) const override {
        const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
        LCID locale = GetThreadLocale();
        key.resize(1024);
        int length = LCMapStringA(locale, flags, text, -1, &key[0], int(key.size()));
        if (length == 0) {
            length = LCMapStringA(locale, flags, text, -1, nullptr, 0);
            key.resize(length > 0 ? length : 0);
            if (length > 0) length = LCMapStringA(locale, flags, text, -1, &key[0], length);
        }
        key.resize(length > 0 ? length : 0);
    }
};

}  // namespace

TextCompare& systemTextCompare() {
    static Win32TextCompare compare;
    return compare;
}

}  // namespace evenkeeper
