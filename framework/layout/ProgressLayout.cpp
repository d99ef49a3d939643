#include "framework/layout/ProgressLayout.h"

namespace evenkeeper {

Size progressPanelSize(int textLength, int charWidth, int lineHeight) {
    return {(textLength + 12) * charWidth, 5 * lineHeight};
}

Point centredOver(Rect owner, Size panel) {
    return {owner.left + (owner.right - owner.left) / 2 - panel.width / 2,
            owner.top + (owner.bottom - owner.top) / 2 - panel.height / 2};
}

Rect progressTextRect(int clientWidth, int clientHeight, int charWidth, int lineHeight) {
    return {3 * charWidth, lineHeight, clientWidth - 3 * charWidth, clientHeight - lineHeight};
}

}  // namespace evenkeeper
