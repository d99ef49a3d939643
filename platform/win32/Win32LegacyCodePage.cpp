#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/LegacyCodePage.h"

namespace evenkeeper {
namespace {

// GetACP() answers 65001 once the manifest makes UTF-8 the process's code page; the
// system's own ANSI code page is still the locale's.
UINT legacyCodePage() {
    char number[8] = {};
    GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, number, sizeof number);
    UINT codePage = UINT(std::atoi(number));
    return codePage == 0 || codePage == CP_UTF8 ? 1252 : codePage;
}

}  // namespace

void appendFromLegacyCodePage(const char* text, std::size_t length, std::string& out) {
    if (length == 0) return;
    static const UINT codePage = legacyCodePage();
    int wide = MultiByteToWideChar(codePage, 0, text, int(length), nullptr, 0);
    if (wide <= 0) return;
    std::vector<wchar_t> characters(static_cast<std::size_t>(wide));
    MultiByteToWideChar(codePage, 0, text, int(length), characters.data(), wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, characters.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return;
    std::size_t at = out.size();
    out.resize(at + std::size_t(bytes));
    WideCharToMultiByte(CP_UTF8, 0, characters.data(), wide, &out[at], bytes, nullptr, nullptr);
}

}  // namespace evenkeeper
