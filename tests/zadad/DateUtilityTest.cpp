#include "tests/support/ScopedEnv.h"
#include "zadad/Archive.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

namespace {

// The constants must be usable while other libraries' statics are built.
constexpr COleDateTimeSpan kGridExtent = CUtility::FortyTwoDay;
static_assert(kGridExtent.m_span == 42.0);
static_assert(CUtility::MinDate.m_dt < CUtility::MaxDate.m_dt);
const COleDateTime g_builtFromConstant = CUtility::MinDate + CUtility::OneDay;

COleDateTime Date(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return COleDateTime(y, mo, d, h, mi, s);
}

TEST(DateConstants, MatchTheSpansAndDatesTheyName) {
    EXPECT_EQ(CUtility::OneSecond, COleDateTimeSpan(0, 0, 0, 1));
    EXPECT_EQ(CUtility::OneMinute, COleDateTimeSpan(0, 0, 1, 0));
    EXPECT_EQ(CUtility::FifteenMinute, COleDateTimeSpan(0, 0, 15, 0));
    EXPECT_EQ(CUtility::OneHour, COleDateTimeSpan(0, 1, 0, 0));
    EXPECT_EQ(CUtility::OneDay, COleDateTimeSpan(1, 0, 0, 0));
    EXPECT_EQ(CUtility::SevenDay, COleDateTimeSpan(7, 0, 0, 0));
    EXPECT_EQ(CUtility::FortyTwoDay, COleDateTimeSpan(42, 0, 0, 0));
    EXPECT_EQ(CUtility::MinDate, Date(2000, 1, 1));
    EXPECT_EQ(CUtility::MaxDate, Date(2100, 1, 1));
    EXPECT_EQ(g_builtFromConstant, Date(2000, 1, 2));
}

TEST(StartOfDay, DropsTheTimeAndFollowsSecondRounding) {
    COleDateTime dt = Date(2026, 12, 8, 17, 45, 12);
    CUtility::GetStartOfDay(dt);
    EXPECT_EQ(dt, Date(2026, 12, 8));
    // Less than half a second before midnight reads as the next day already.
    const double second = 1.0 / 86400.0;
    COleDateTime almostMidnight(Date(2026, 12, 31).m_dt + 1.0 - 0.4 * second);
    CUtility::GetStartOfDay(almostMidnight);
    EXPECT_EQ(almostMidnight, Date(2027, 1, 1));
    COleDateTime beforeThat(Date(2026, 12, 31).m_dt + 1.0 - 0.6 * second);
    CUtility::GetStartOfDay(beforeThat);
    EXPECT_EQ(beforeThat, Date(2026, 12, 31));
}

TEST(SameDate, IgnoresTheTimeOfDayOnly) {
    EXPECT_EQ(CUtility::IsSameDate(Date(2026, 2, 3, 0, 0, 0), Date(2026, 2, 3, 23, 59, 59)), 1);
    EXPECT_EQ(CUtility::IsSameDate(Date(2026, 2, 3, 23, 59, 59), Date(2026, 2, 4, 0, 0, 0)), 0);
    EXPECT_EQ(CUtility::IsSameDate(Date(2026, 2, 3), Date(2026, 3, 3)), 0);
    EXPECT_EQ(CUtility::IsSameDate(Date(2026, 2, 3), Date(2025, 2, 3)), 0);
    const double second = 1.0 / 86400.0;
    EXPECT_EQ(CUtility::IsSameDate(COleDateTime(Date(2026, 2, 4).m_dt - 0.4 * second),
                                   Date(2026, 2, 4, 8, 0, 0)),
              1);
}

TEST(LastDayOfMonth, FollowsMonthLengthsAndLeapYears) {
    EXPECT_EQ(CUtility::GetLastDayOfMonth(2004, 2), Date(2004, 2, 29));
    EXPECT_EQ(CUtility::GetLastDayOfMonth(2003, 2), Date(2003, 2, 28));
    EXPECT_EQ(CUtility::GetLastDayOfMonth(2000, 2), Date(2000, 2, 29));
    EXPECT_EQ(CUtility::GetLastDayOfMonth(2100, 2), Date(2100, 2, 28));
    EXPECT_EQ(CUtility::GetLastDayOfMonth(1900, 2), Date(1900, 2, 28));
    EXPECT_EQ(CUtility::GetLastDayOfMonth(2003, 12), Date(2003, 12, 31));
    EXPECT_EQ(CUtility::GetLastDayOfMonth(2003, 4), Date(2003, 4, 30));
    EXPECT_EQ(CUtility::GetLastDayOfMonth(2003, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(CUtility::GetLastDayOfMonth(2003, 13).GetStatus(), COleDateTime::invalid);
}

TEST(LastDayOfMonth, IsAlwaysTheDayBeforeTheFirstOfTheNextMonth) {
    for (int year = 1999; year <= 2101; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const COleDateTime last = CUtility::GetLastDayOfMonth(year, month);
            ASSERT_EQ(last.GetMonth(), month) << year << '-' << month;
            ASSERT_EQ(last.GetHour(), 0);
            ASSERT_EQ((last + CUtility::OneDay).GetDay(), 1) << year << '-' << month;
        }
    }
}

TEST(SameWeek, EdgeCasesOfBothWeekStarts) {
    const COleDateTime sunday = Date(2026, 12, 6, 10, 0, 0);
    const COleDateTime nextMonday = Date(2026, 12, 7, 9, 0, 0);
    EXPECT_EQ(CUtility::IsInSaveWeek(sunday, nextMonday, 0), 0);
    EXPECT_EQ(CUtility::IsInSaveWeek(sunday, nextMonday, 1), 1);
    const COleDateTime saturday = Date(2026, 12, 5, 22, 0, 0);
    EXPECT_EQ(CUtility::IsInSaveWeek(saturday, sunday, 0), 1);
    EXPECT_EQ(CUtility::IsInSaveWeek(saturday, sunday, 1), 0);
    // Order of the arguments does not matter.
    EXPECT_EQ(CUtility::IsInSaveWeek(nextMonday, sunday, 1), 1);
    EXPECT_EQ(CUtility::IsInSaveWeek(sunday, sunday, 0), 1);
    EXPECT_EQ(CUtility::IsInSaveWeek(sunday, sunday + COleDateTimeSpan(8.0), 1), 0);
}

// Days since a known Sunday, split into weeks: the reference for week membership.
long WeekNumber(const COleDateTime& dt, bool weekStartsSunday) {
    const long day = static_cast<long>((dt - Date(2026, 1, 4)).m_span + 10000.0) - 10000;
    const long shifted = weekStartsSunday ? day : day - 1;
    return shifted >= 0 ? shifted / 7 : -((-shifted + 6) / 7);
}

TEST(SameWeek, AgreesWithWeekNumbersForEveryPairOfDays) {
    const COleDateTime first = Date(2026, 2, 20);
    for (int i = 0; i < 40; ++i) {
        for (int j = 0; j < 40; ++j) {
            // Morning against evening, so that the times of day differ both ways.
            const COleDateTime a = first + COleDateTimeSpan(i + 0.3);
            const COleDateTime b = first + COleDateTimeSpan(j + 0.7);
            for (int sundayFirst = 0; sundayFirst <= 1; ++sundayFirst) {
                const int expected =
                    WeekNumber(a, sundayFirst) == WeekNumber(b, sundayFirst) ? 1 : 0;
                ASSERT_EQ(CUtility::IsInSaveWeek(a, b, sundayFirst), expected)
                    << a.Format("%a %x") << " / " << b.Format("%a %x") << " sunday " << sundayFirst;
            }
        }
    }
}

TEST(LocalTimeSetting, ReadsTheStandardOffsetAndTheDaylightFlag) {
    double zone = -99;
    int daylight = -1;
    {
        CScopedEnv tz("TZ", "IST-5:30");
        CUtility::GetLocalTimeSetting(zone, daylight);
        EXPECT_DOUBLE_EQ(zone, 5.5);
        EXPECT_EQ(daylight, 0);
    }
    {
        // Daylight saving all year: the standard offset is still reported.
        CScopedEnv tz("TZ", "XST3XDT,J1/0,J365/25");
        CUtility::GetLocalTimeSetting(zone, daylight);
        EXPECT_DOUBLE_EQ(zone, -3.0);
        EXPECT_EQ(daylight, 1);
    }
    {
        CScopedEnv tz("TZ", "UTC0");
        CUtility::GetLocalTimeSetting(zone, daylight);
        EXPECT_DOUBLE_EQ(zone, 0.0);
        EXPECT_EQ(daylight, 0);
    }
}

TEST(LocalTimeFormat, TwentyFourHourForCAndForAnUnreadableLocale) {
    {
        CScopedEnv all("LC_ALL", "C");
        EXPECT_EQ(CUtility::GetLocalTimeFormat(0), "%#H:%M");
        EXPECT_EQ(CUtility::GetLocalTimeFormat(1), "%#H:%M:%S");
    }
    {
        CScopedEnv all("LC_ALL", "xx_NOWHERE.UTF-8");
        EXPECT_EQ(CUtility::GetLocalTimeFormat(0), "%#H:%M");
    }
}

TEST(LocalTimeFormat, RecognisesTwelveHourLocaleFormats) {
    using dateutility_detail::UsesTwelveHourClock;
    EXPECT_TRUE(UsesTwelveHourClock("%r"));          // en_US
    EXPECT_TRUE(UsesTwelveHourClock("%I:%M:%S %p")); // several English locales
    EXPECT_TRUE(UsesTwelveHourClock("%p %l:%M:%S")); // hour without padding
    EXPECT_FALSE(UsesTwelveHourClock("%T"));         // de_DE, fr_FR
    EXPECT_FALSE(UsesTwelveHourClock("%H:%M:%S"));   // C
    EXPECT_FALSE(UsesTwelveHourClock(""));
}

LOGFONT SampleFont() {
    LOGFONT lf;
    lf.lfHeight = -13;
    lf.lfWidth = 7;
    lf.lfEscapement = 900;
    lf.lfOrientation = 450;
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    lf.lfStrikeOut = 0;
    lf.lfCharSet = 0xEE;
    lf.lfOutPrecision = 3;
    lf.lfClipPrecision = 2;
    lf.lfQuality = 5;
    lf.lfPitchAndFamily = 0x22;
    lf.SetFaceName("Arial");
    return lf;
}

TEST(FontRecord, ByteLayout) {
    LOGFONT lf = SampleFont();
    CArchive ar;
    CUtility::SerializeFont(ar, lf);
    const std::vector<std::uint8_t> expected = {
        0xF3, 0xFF, 0xFF, 0xFF,           // lfHeight -13
        0x07, 0x00, 0x00, 0x00,           // lfWidth
        0x84, 0x03, 0x00, 0x00,           // lfEscapement 900
        0xC2, 0x01, 0x00, 0x00,           // lfOrientation 450
        0xBC, 0x02, 0x00, 0x00,           // lfWeight 700
        0x01, 0x01, 0x00, 0xEE,           // italic, underline, strike-out, char set
        0x03, 0x02, 0x05, 0x22,           // precisions, quality, pitch and family
        0x05, 'A',  'r',  'i',  'a', 'l', // face name, short string form
    };
    EXPECT_EQ(ar.Buffer(), expected);
}

TEST(FontRecord, RoundTripsEveryField) {
    LOGFONT lf = SampleFont();
    CArchive out;
    CUtility::SerializeFont(out, lf);
    CArchive in(out.Buffer());
    LOGFONT back;
    CUtility::SerializeFont(in, back);
    EXPECT_EQ(back, lf);
    EXPECT_EQ(back.lfHeight, -13);
    EXPECT_EQ(back.lfCharSet, 0xEE);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(FontRecord, NonAsciiFaceNameRoundTrips) {
    LOGFONT lf = SampleFont();
    lf.SetFaceName("Grüne Schrift");
    CArchive out;
    CUtility::SerializeFont(out, lf);
    CArchive in(out.Buffer());
    LOGFONT back;
    CUtility::SerializeFont(in, back);
    EXPECT_EQ(back.FaceName(), "Grüne Schrift");
}

TEST(FontRecord, LongStoredFaceNameIsCutTo31Characters) {
    CArchive out;
    for (int i = 0; i < 7; ++i)
        out << std::int32_t{0};
    out << std::string(40, 'F');
    CArchive in(out.Buffer());
    LOGFONT back;
    CUtility::SerializeFont(in, back);
    EXPECT_EQ(back.FaceName(), std::string(31, 'F'));
    EXPECT_EQ(back.lfFaceName[31], '\0');
}

TEST(FontRecord, TruncatedRecordThrowsInsteadOfReadingOn) {
    LOGFONT lf = SampleFont();
    CArchive out;
    CUtility::SerializeFont(out, lf);
    for (std::size_t cut = 0; cut < out.Buffer().size(); ++cut) {
        CArchive in(out.Buffer().data(), cut);
        LOGFONT back;
        EXPECT_THROW(CUtility::SerializeFont(in, back), CArchiveException) << cut;
    }
}

} // namespace
