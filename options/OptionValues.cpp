#include "options/OptionValues.h"

#include "store/CalendarData.h"
#include "store/MessageBox.h"

void COptionValues::Fill(const CCalendarData& data) {
    m_note = CNoteOptions::FromData(data);
    m_appearance = CAppearanceOptions::FromData(data);
    m_categories = CCategoryOptions::FromData(data);
    m_location = CLocationOptions::FromData(data);
}

bool COptionValues::Commit(CCalendarData& data) const {
    m_appearance.ToData(data);
    m_note.ToData(data);
    if (m_bHolidayOpened && !m_holidays.Rewrite())
        CMessageBox::Current().Show(m_holidays.FailureText(), kCaptionProgram,
                                    CMessageBox::kIconWarning, CMessageBox::kButtonsOk);
    if (m_bCategoriesOpened) m_categories.ToData(data);
    if (m_bLocationOpened) m_location.ToData(data);
    // Read back only what was written: a failed save must not bring the old
    // file's settings back over the ones just chosen.
    if (!data.Save()) return false;
    data.Load();
    return true;
}
