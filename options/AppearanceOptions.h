#pragma once
// The values of the "Appearance" page: the two texture pictures (an empty
// path is the built-in picture) and the views' text colours.

#include "zadad/WinTypes.h"

#include <string>

class CCalendarData;

class CAppearanceOptions {
public:
    static CAppearanceOptions FromData(const CCalendarData& data);
    void ToData(CCalendarData& data) const;
    // Back to the built-in textures and the desktop's own text colours.
    void Reset(COLORREF systemText, COLORREF systemWindow);

    std::string m_strWindowTexture;
    std::string m_strToolbarTexture;
    int m_nAppearanceOption = 0;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crTextBack = RGB(255, 255, 255);
};
