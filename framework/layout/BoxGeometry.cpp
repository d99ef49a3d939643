#include "framework/layout/BoxGeometry.h"

#include <algorithm>

#include "framework/layout/BoxButtonLayout.h"

namespace evenkeeper {
namespace {

constexpr int kIconColumn = 64;
constexpr int kPlainMargin = 8;
constexpr int kIconSize = 32;

}  // namespace

int minimumTextRight(unsigned flags, int lineHeight) {
    switch (flags & kButtonSetBits) {
    case kOkCancel:
    case kYesNo: return 10 * lineHeight;
    case kYesNoCancel: return 13 * lineHeight;
    default: return 0;
    }
}

Rect messageBoxTextRect(unsigned flags, bool hasIcon, const BoxTextMetrics& text) {
    const int left = hasIcon ? kIconColumn : kPlainMargin;
    const int right = std::max(text.widestLine + 4 * text.charWidth + left,
                               minimumTextRight(flags, text.lineHeight));
    return {left, text.lineHeight, right, text.lineHeight * (text.lineCount + 1) + 8};
}

Size messageBoxSize(Rect textRect, const BoxTextMetrics& text) {
    return {textRect.right + 16, text.lineHeight * (text.lineCount + 6)};
}

Point initialBoxOrigin(Size ownerClient, Size box) {
    return {ownerClient.width / 2 - box.width / 2, ownerClient.height / 2 - box.height / 2};
}

Size aboutBoxSize(const BoxTextMetrics& text, bool hasLink) {
    return {text.widestLine + 4 * text.charWidth,
            text.lineHeight * (text.lineCount + (hasLink ? 10 : 8))};
}

Point aboutButtonOrigin(Size client, int lineHeight) {
    return {client.width / 2 - kBoxButtonWidth / 2, client.height - 3 * lineHeight};
}

int aboutFirstLineTop(int lineHeight) { return 2 * lineHeight + kIconSize; }

Point aboutLinkOrigin(int boxWidth, Size link, int yAfterLastLine, int lineHeight) {
    return {(boxWidth - link.width) / 2, yAfterLastLine + lineHeight};
}

}  // namespace evenkeeper
