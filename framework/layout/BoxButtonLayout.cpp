#include "framework/layout/BoxButtonLayout.h"

namespace evenkeeper {

BoxButtonSet boxButtonSet(unsigned flags) {
    switch (flags & kButtonSetBits) {
    case kOkCancel:
        return {{{"&Ok", -70, kResultOk}, {"&Cancel", 10, kResultCancel}}, 2};
    case kYesNo:
        return {{{"&Yes", -70, kResultYes}, {"&No", 10, kResultNo}}, 2};
    case kYesNoCancel:
        return {{{"&Yes", -100, kResultYes}, {"&No", -30, kResultNo},
                 {"&Cancel", 40, kResultCancel}},
                3};
    default:
        return aboutButtonSet();
    }
}

BoxButtonSet aboutButtonSet() { return {{{"&Ok", -30, kResultOk}}, 1}; }

Point boxButtonOrigin(const BoxButton& button, int clientWidth, int clientHeight,
                      int lineHeight) {
    return {clientWidth / 2 + button.xOffset, clientHeight - 2 * lineHeight};
}

int defaultButtonIndex(unsigned flags, int buttonCount) {
    int index = 0;
    if (flags & kDefaultButton2) index = 1;
    if (flags & kDefaultButton3) index = 2;
    return index < buttonCount ? index : 0;
}

int nextButton(int current, int buttonCount) { return (current + 1) % buttonCount; }

int previousButton(int current, int buttonCount) {
    return current > 0 ? current - 1 : buttonCount - 1;
}

int systemIconId(unsigned flags) {
    switch (flags & kIconBits) {
    case 0x10: return 32513;  // hand
    case 0x20: return 32514;  // question
    case 0x30: return 32515;  // exclamation
    case 0x40: return 32516;  // asterisk
    default: return 0;
    }
}

}  // namespace evenkeeper
