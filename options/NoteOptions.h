#pragma once
// The values of the "Note" page: the alarm signal, when it stops, whether a
// ringing alarm also shows a desktop notification, whether new reminders show
// their countdown, the history and the first day of the week.

#include "zadad/WinTypes.h"

#include <string>

class CCalendarData;

// The alarm signal, as the settings store it.
enum AlarmSound : int {
    kAlarmSpeaker = 147,
    kAlarmWaveFile = 148,
    kAlarmMute = 149,
};

class CNoteOptions {
public:
    static CNoteOptions FromData(const CCalendarData& data);
    void ToData(CCalendarData& data) const;

    // The signal chosen on the page: a wave file only with a file to play.
    static int ChosenSound(int choice, const std::string& waveFile);

    int m_nAlarmSound = kAlarmSpeaker;
    BOOL m_bWeekStartsSunday = 1;
    std::string m_strWaveFile;
    BOOL m_bShowCountdownDefault = 1;
    BOOL m_bStopAfter = 1; // "Stop alarm after"
    int m_nStopSeconds = 60;
    BOOL m_bDesktopNotification = 1; // "Also show a desktop notification"
    BOOL m_bClearHistory = 1;        // "Clear History After "
    int m_nHistoryDays = 30;
    BOOL m_bSaveHistory = 1;
};
