#pragma once
// Field-by-field comparison of everything a note and the data object keep in
// the data file, for the round-trip tests.

#include "store/CalendarData.h"
#include "store/NoteCasts.h"

#include <gtest/gtest.h>

inline void ExpectSameNote(const CNote& a, const CNote& b) {
    SCOPED_TRACE("note " + std::to_string(a.m_nID) + " \"" + a.m_strTitle + "\"");
    EXPECT_EQ(a.m_nType, b.m_nType);
    EXPECT_EQ(a.m_strTitle, b.m_strTitle);
    EXPECT_EQ(a.m_strText, b.m_strText);
    EXPECT_EQ(a.m_bHistory, b.m_bHistory);
    EXPECT_EQ(a.m_bActive, b.m_bActive);
    EXPECT_EQ(a.m_bRemind, b.m_bRemind);
    EXPECT_EQ(a.m_wCategoryID, b.m_wCategoryID);
    EXPECT_EQ(a.m_dtStart, b.m_dtStart);
    EXPECT_EQ(a.m_dtEnd, b.m_dtEnd);
    EXPECT_EQ(a.m_nID, b.m_nID);
    EXPECT_EQ(a.m_rcWindow, b.m_rcWindow);
    EXPECT_EQ(a.m_rcWindowAlt, b.m_rcWindowAlt);
    EXPECT_EQ(a.m_nWndFlag, b.m_nWndFlag);
    EXPECT_EQ(a.m_bTopMost, b.m_bTopMost);
    EXPECT_EQ(a.m_nReserved1, b.m_nReserved1);
    EXPECT_EQ(a.m_crTitle, b.m_crTitle);
    EXPECT_EQ(a.m_crBack, b.m_crBack);
    EXPECT_EQ(a.m_bShowCountdown, b.m_bShowCountdown);
    EXPECT_EQ(a.m_nCountdownParts, b.m_nCountdownParts);
    EXPECT_EQ(a.m_bOnDesktop, b.m_bOnDesktop);
    EXPECT_EQ(a.m_bHasWindowRect, b.m_bHasWindowRect);
    EXPECT_TRUE(a.m_lfFont == b.m_lfFont);
    const COneTimeNote* ta = AsOneTime(a);
    const COneTimeNote* tb = AsOneTime(b);
    ASSERT_EQ(ta == nullptr, tb == nullptr);
    if (ta) {
        EXPECT_EQ(ta->m_dtAlarm, tb->m_dtAlarm);
        EXPECT_EQ(ta->m_nRemindDays, tb->m_nRemindDays);
        EXPECT_EQ(ta->m_dtOccurrence, tb->m_dtOccurrence);
        EXPECT_EQ(ta->m_nReserved2, tb->m_nReserved2);
    }
    const CRecurringNote* ra = AsRecurring(a);
    const CRecurringNote* rb = AsRecurring(b);
    ASSERT_EQ(ra == nullptr, rb == nullptr);
    if (ra) {
        EXPECT_EQ(ra->m_nRepeatUnit, rb->m_nRepeatUnit);
        EXPECT_EQ(ra->m_nRepeatEvery, rb->m_nRepeatEvery);
        EXPECT_EQ(ra->m_dtLastOccurrence, rb->m_dtLastOccurrence);
        EXPECT_EQ(ra->m_nWeekDay, rb->m_nWeekDay);
        EXPECT_EQ(ra->m_bByWeekDay, rb->m_bByWeekDay);
        EXPECT_EQ(ra->m_nWeekOrdinal, rb->m_nWeekOrdinal);
        EXPECT_EQ(ra->m_nMonth, rb->m_nMonth);
    }
}

inline void ExpectSameNotes(const CNoteManager& a, const CNoteManager& b) {
    ASSERT_EQ(a.GetCount(), b.GetCount());
    for (auto ia = a.Notes().begin(), ib = b.Notes().begin(); ia != a.Notes().end(); ++ia, ++ib) {
        EXPECT_EQ(ia->first, ib->first);
        ExpectSameNote(*ia->second, *ib->second);
    }
}

// Every setting the data file carries, apart from the program-wide flags.
inline void ExpectSameSettings(const CCalendarData& a, const CCalendarData& b) {
    EXPECT_EQ(a.m_dLatDeg, b.m_dLatDeg);
    EXPECT_EQ(a.m_dLatMin, b.m_dLatMin);
    EXPECT_EQ(a.m_dLatSec, b.m_dLatSec);
    EXPECT_EQ(a.m_dLongDeg, b.m_dLongDeg);
    EXPECT_EQ(a.m_dLongMin, b.m_dLongMin);
    EXPECT_EQ(a.m_dLongSec, b.m_dLongSec);
    EXPECT_EQ(a.m_dTimeZone, b.m_dTimeZone);
    EXPECT_EQ(a.m_bDaylightSaving, b.m_bDaylightSaving);
    EXPECT_EQ(a.m_nNextCategoryID, b.m_nNextCategoryID);
    EXPECT_EQ(a.m_nClearHistoryDays, b.m_nClearHistoryDays);
    EXPECT_EQ(a.m_bCalendarView, b.m_bCalendarView);
    EXPECT_EQ(a.m_nCategoryFilter, b.m_nCategoryFilter);
    EXPECT_EQ(a.m_nAlarmSound, b.m_nAlarmSound);
    EXPECT_EQ(a.m_nOptionA, b.m_nOptionA);
    EXPECT_EQ(a.m_nStopAlarmSeconds, b.m_nStopAlarmSeconds);
    EXPECT_EQ(a.m_bShowRecurrence, b.m_bShowRecurrence);
    EXPECT_EQ(a.m_nOptionB, b.m_nOptionB);
    EXPECT_EQ(a.m_bSaveHistory, b.m_bSaveHistory);
    EXPECT_EQ(a.m_bMonthView, b.m_bMonthView);
    EXPECT_EQ(a.m_b24Hour, b.m_b24Hour);
    EXPECT_EQ(a.m_bWeekStartsSunday, b.m_bWeekStartsSunday);
    EXPECT_EQ(a.m_nAppearanceOption, b.m_nAppearanceOption);
    EXPECT_EQ(a.m_nOptionC, b.m_nOptionC);
    EXPECT_EQ(a.m_rcMainWindow, b.m_rcMainWindow);
    EXPECT_EQ(a.m_crText, b.m_crText);
    EXPECT_EQ(a.m_crTextBack, b.m_crTextBack);
    EXPECT_EQ(a.m_arrCategories, b.m_arrCategories);
    EXPECT_EQ(a.m_strWindowTexture, b.m_strWindowTexture);
    EXPECT_EQ(a.m_strToolbarTexture, b.m_strToolbarTexture);
    EXPECT_EQ(a.m_strWaveFile, b.m_strWaveFile);
    EXPECT_EQ(a.m_nListFilter, b.m_nListFilter);
    EXPECT_EQ(a.m_noteManager.m_bWeekFromSunday, b.m_noteManager.m_bWeekFromSunday);
    EXPECT_EQ(a.m_noteManager.m_nNextID, b.m_noteManager.m_nNextID);
}
