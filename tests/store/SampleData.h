#pragma once
// A data object with every setting away from its default and one note of
// every kind and state, for the round-trip tests.

#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "tests/store/NoteFactory.h"
#include "zadad/Utility.h"

inline void FillEverything(CCalendarData& data, const COleDateTime& now) {
    data.m_dLatDeg = -33.0, data.m_dLatMin = 52.0, data.m_dLatSec = 4.5;
    data.m_dLongDeg = -151.0, data.m_dLongMin = 12.0, data.m_dLongSec = 36.25;
    data.m_dTimeZone = 10.5, data.m_bDaylightSaving = 1;
    data.m_nClearHistoryDays = 400, data.m_bCalendarView = 0, data.m_nCategoryFilter = 2;
    data.m_nAlarmSound = 148, data.m_nOptionA = 7, data.m_nStopAlarmSeconds = 15;
    data.m_bShowRecurrence = 0, data.m_nOptionB = 9, data.m_bSaveHistory = 0;
    data.m_bMonthView = 1, data.m_b24Hour = 1, data.m_bWeekStartsSunday = 0;
    data.m_nAppearanceOption = 3, data.m_nOptionC = -4;
    data.m_rcMainWindow = RECT{100, 50, 900, 700};
    data.m_crText = RGB(1, 2, 3), data.m_crTextBack = RGB(250, 240, 230);
    data.SetCategories({0, 1, 7, 8}, {"All", "Payment", "Caf\xC3\xA9", std::string(300, 'c')});
    data.m_nNextCategoryID = 12;
    data.m_strWindowTexture = "/home/me/w\xC3\xB6od.bmp";
    data.m_strToolbarTexture = "stone.jpg";
    data.m_strWaveFile = "bell.wav";
    data.m_nListFilter = 3;
    data.m_noteManager.m_bWeekFromSunday = 0;
    g_bShowHistory = 0, g_bShowCountdownDefault = 0, g_bShowSunInfo = 1;

    CNoteManager& notes = data.m_noteManager;
    auto memo = MakeMemo("Plain memo", now - CUtility::OneDay * 3, 1);
    memo->m_strText = "{\\rtf1\\ansi " + std::string(400, 'x') + "}";
    memo->m_rcWindow = RECT{10, 20, 210, 170};
    memo->m_rcWindowAlt = RECT{10, 20, 210, 320};
    memo->m_nWndFlag = 2, memo->m_bTopMost = 0, memo->m_nReserved1 = 99;
    memo->m_crTitle = RGB(9, 8, 7), memo->m_crBack = RGB(6, 5, 4);
    memo->m_bShowCountdown = 1, memo->m_nCountdownParts = 6;
    memo->m_bOnDesktop = 1, memo->m_bHasWindowRect = 1, memo->m_bActive = 0;
    memo->m_lfFont.lfHeight = -13, memo->m_lfFont.lfItalic = 1;
    memo->m_lfFont.SetFaceName("DejaVu Sans");
    notes.Add(std::move(memo));

    auto once = MakeOneTime("\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\x82", now + CUtility::SevenDay,
                            1, 2, 7); // Japanese and a cake
    once->m_nReserved2 = 77;
    once->m_strText = std::string(70000, 'y'); // beyond the 16-bit length form
    notes.Add(std::move(once));

    auto monthly = std::make_unique<CRecurringNote>("Last Friday", "", now, 1, kRepeatMonth, 2, 8,
                                                    1, 6, 5, 3, 1);
    monthly->m_dtEnd = COleDateTime(2028, 1, 1, 0, 0, 0);
    notes.Add(std::move(monthly));

    auto history = MakeOneTime("Acknowledged", now - CUtility::OneDay * 10, 1);
    history->m_bHistory = 1;
    history->m_dtEnd = now - CUtility::OneDay * 9;
    notes.Add(std::move(history));

    notes.Add(MakeRepeated("Every 90 minutes", now, kRepeatMinute, 90));
    notes.m_nNextID = 4321;
    notes.m_nNextAlarmID = 602;
    notes.m_dtNextAlarm = COleDateTime(2026, 12, 13, 9, 30, 0);
}
