#include "zadad/WinTypes.h"

#include <cstring>

std::string LOGFONT::FaceName() const {
    return std::string(lfFaceName, strnlen(lfFaceName, LF_FACESIZE));
}

void LOGFONT::SetFaceName(const std::string& name) {
    std::size_t n = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
    // Never leave half of a multi-byte character at the end.
    while (n > 0 && n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80)
        --n;
    std::memset(lfFaceName, 0, sizeof lfFaceName);
    std::memcpy(lfFaceName, name.data(), n);
}

bool LOGFONT::operator==(const LOGFONT& o) const {
    return lfHeight == o.lfHeight && lfWidth == o.lfWidth && lfEscapement == o.lfEscapement &&
           lfOrientation == o.lfOrientation && lfWeight == o.lfWeight && lfItalic == o.lfItalic &&
           lfUnderline == o.lfUnderline && lfStrikeOut == o.lfStrikeOut &&
           lfCharSet == o.lfCharSet && lfOutPrecision == o.lfOutPrecision &&
           lfClipPrecision == o.lfClipPrecision && lfQuality == o.lfQuality &&
           lfPitchAndFamily == o.lfPitchAndFamily && FaceName() == o.FaceName();
}

LOGFONT SystemFontLogFont() {
    // The stock system font: 16 units high, bold, variable pitch, "System".
    LOGFONT lf;
    lf.lfHeight = 16;
    lf.lfWidth = 7;
    lf.lfWeight = 700;
    lf.lfCharSet = 0;
    lf.lfPitchAndFamily = 0x22; // VARIABLE_PITCH | FF_SWISS
    lf.SetFaceName("System");
    return lf;
}
