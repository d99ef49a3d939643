#pragma once
// A font made from a description, with the colour its text is drawn in.
#include <windows.h>

namespace evenkeeper {

class FontRecord {
public:
    FontRecord() = default;
    ~FontRecord();
    FontRecord(const FontRecord&) = delete;
    FontRecord& operator=(const FontRecord&) = delete;

    void setColour(COLORREF colour) { colour_ = colour; }
    void setUnderline(bool underline) { description_.lfUnderline = underline ? TRUE : FALSE; }
    // Makes the font of the description in the given face (an empty face keeps the one
    // described) at a point size for the context's resolution; a font made before is
    // released, so that each showing of its window does not leave one behind.
    void SetFace(HDC context, const char* face, int pointSize);
    // Selects the font and its colour into the context; returns the font it replaced.
    HGDIOBJ Apply(HDC context) const;

private:
    HFONT font_ = nullptr;
    COLORREF colour_ = 0;
    LOGFONTA description_ = {};
};

}  // namespace evenkeeper
