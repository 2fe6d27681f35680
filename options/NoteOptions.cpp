#include "options/NoteOptions.h"

#include "options/ProgramSettings.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"

#include <algorithm>

CNoteOptions CNoteOptions::FromData(const CCalendarData& data) {
    CNoteOptions o;
    o.m_bWeekStartsSunday = data.m_bWeekStartsSunday;
    o.m_bShowCountdownDefault = g_bShowCountdownDefault;
    o.m_strWaveFile = data.m_strWaveFile;
    o.m_bStopAfter = data.m_nStopAlarmSeconds >= 1;
    o.m_nStopSeconds = std::max(data.m_nStopAlarmSeconds, 0);
    o.m_nAlarmSound = data.m_nAlarmSound;
    o.m_bDesktopNotification = g_bDesktopNotification;
    // "Never" is stored as -1 (or anything not above 0) and shown as 0.
    o.m_nHistoryDays = std::max(data.m_nClearHistoryDays, 0);
    o.m_bClearHistory = o.m_nHistoryDays > 0;
    o.m_bSaveHistory = data.m_bSaveHistory;
    return o;
}

void CNoteOptions::ToData(CCalendarData& data) const {
    data.m_bWeekStartsSunday = m_bWeekStartsSunday;
    // The notes list's week follows the calendar's, so both agree on "this week".
    data.m_noteManager.m_bWeekFromSunday = m_bWeekStartsSunday;
    g_bShowCountdownDefault = m_bShowCountdownDefault;
    data.m_strWaveFile = m_strWaveFile;
    data.m_nStopAlarmSeconds = m_bStopAfter ? m_nStopSeconds : 0;
    data.m_nAlarmSound = m_nAlarmSound;
    g_bDesktopNotification = m_bDesktopNotification;
    data.m_nClearHistoryDays = m_bClearHistory ? m_nHistoryDays : -1;
    data.m_bSaveHistory = m_bSaveHistory;
}

int CNoteOptions::ChosenSound(int choice, const std::string& waveFile) {
    if (choice == kAlarmWaveFile && !waveFile.empty()) return kAlarmWaveFile;
    if (choice == kAlarmMute) return kAlarmMute;
    return kAlarmSpeaker;
}
