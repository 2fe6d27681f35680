#include "options/AppearanceOptions.h"

#include "store/CalendarData.h"

CAppearanceOptions CAppearanceOptions::FromData(const CCalendarData& data) {
    CAppearanceOptions o;
    o.m_strWindowTexture = data.m_strWindowTexture;
    o.m_strToolbarTexture = data.m_strToolbarTexture;
    o.m_nAppearanceOption = data.m_nAppearanceOption;
    o.m_crText = data.m_crText;
    o.m_crTextBack = data.m_crTextBack;
    return o;
}

void CAppearanceOptions::ToData(CCalendarData& data) const {
    data.m_strWindowTexture = m_strWindowTexture;
    data.m_strToolbarTexture = m_strToolbarTexture;
    data.m_nAppearanceOption = m_nAppearanceOption;
    data.m_crText = m_crText;
    data.m_crTextBack = m_crTextBack;
}

void CAppearanceOptions::Reset(COLORREF systemText, COLORREF systemWindow) {
    m_strWindowTexture.clear();
    m_strToolbarTexture.clear();
    m_crTextBack = systemWindow;
    m_crText = systemText;
}
