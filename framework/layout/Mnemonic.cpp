#include "framework/layout/Mnemonic.h"

#include <cstring>

namespace evenkeeper {

char mnemonicOf(const char* text) {
    const char* ampersand = std::strchr(text, '&');
    return ampersand ? ampersand[1] : 0;
}

}  // namespace evenkeeper
