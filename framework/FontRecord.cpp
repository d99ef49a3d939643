#include "framework/FontRecord.h"

#include <cstring>

namespace evenkeeper {

FontRecord::~FontRecord() {
    if (font_) DeleteObject(font_);
}

void FontRecord::SetFace(HDC context, const char* face, int pointSize) {
    if (face[0] != '\0') {
        std::strncpy(description_.lfFaceName, face, LF_FACESIZE - 1);
        description_.lfFaceName[LF_FACESIZE - 1] = '\0';
    }
    description_.lfHeight = -MulDiv(pointSize, GetDeviceCaps(context, LOGPIXELSY), 72);
    if (font_) DeleteObject(font_);
    font_ = CreateFontIndirectA(&description_);
}

HGDIOBJ FontRecord::Apply(HDC context) const {
    SetTextColor(context, colour_);
    return SelectObject(context, font_);
}

}  // namespace evenkeeper
