#pragma once
// The small plain records the program shares with its data file: a colour
// word, a rectangle and a font description, laid out as the file stores them.

#include <cstdint>
#include <string>

using COLORREF = std::uint32_t; // 0x00BBGGRR
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using BYTE = std::uint8_t;
using BOOL = int;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct RECT {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool operator==(const RECT&) const = default;
};

// A rectangle from its corner and size; a negative size counts as empty.
inline RECT RectOfSize(std::int32_t left, std::int32_t top, std::int32_t width,
                       std::int32_t height) {
    return RECT{left, top, left + (width > 0 ? width : 0), top + (height > 0 ? height : 0)};
}

constexpr int LF_FACESIZE = 32;

struct LOGFONT {
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};

    std::string FaceName() const;
    // Copies name into lfFaceName, cut to 31 bytes at a character boundary.
    void SetFaceName(const std::string& name);
    bool operator==(const LOGFONT& other) const;
};

// The font of the stock system font as a note starts from it.
LOGFONT SystemFontLogFont();
