#include "options/OptionValues.h"

#include "options/Autostart.h"
#include "options/ProgramSettings.h"
#include "store/CalendarData.h"
#include "store/MessageBox.h"

namespace {

void Tell(const std::string& text) {
    CMessageBox::Current().Show(text, kCaptionProgram, CMessageBox::kIconWarning,
                                CMessageBox::kButtonsOk);
}

// The settings file is written only for a change, so that a file that cannot
// be written is not told of at every OK.
void CommitNoteOptions(const CNoteOptions& note, CCalendarData& data) {
    const BOOL notificationBefore = g_bDesktopNotification;
    note.ToData(data);
    if (g_bDesktopNotification != notificationBefore && !CProgramSettings::Save())
        Tell(CProgramSettings::SaveFailureText());
}

void CommitAutostart(bool on) {
    if (on == CAutostart::IsOn()) return;
    std::string message;
    if (!(on ? CAutostart::TurnOn(CAutostart::ProgramPath(), message)
             : CAutostart::TurnOff(message)))
        Tell(message);
}

} // namespace

void COptionValues::Fill(const CCalendarData& data) {
    m_note = CNoteOptions::FromData(data);
    m_appearance = CAppearanceOptions::FromData(data);
    m_categories = CCategoryOptions::FromData(data);
    m_location = CLocationOptions::FromData(data);
    m_location.m_bStartWithSession = CAutostart::IsOn();
}

bool COptionValues::Commit(CCalendarData& data) const {
    m_appearance.ToData(data);
    CommitNoteOptions(m_note, data);
    if (m_bHolidayOpened && !m_holidays.Rewrite()) Tell(m_holidays.FailureText());
    if (m_bCategoriesOpened) m_categories.ToData(data);
    if (m_bLocationOpened) {
        m_location.ToData(data);
        CommitAutostart(m_location.m_bStartWithSession);
    }
    // Read back only what was written: a failed save must not bring the old
    // file's settings back over the ones just chosen.
    if (!data.Save()) return false;
    data.Load();
    return true;
}
