#include "almanac/AlmanacLine.h"
#include "store/CalendarData.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

AlmanacLocation NewYork(int daylight) {
    AlmanacLocation location;
    location.latitude = {40, 43, 0};
    location.longitude = {74, 1, 0};
    location.zoneHours = -5;
    location.daylight = daylight;
    return location;
}

std::string DayAndWeek(int y, int m, int d) {
    return MakeAlmanacLine(COleDateTime(y, m, d, 0, 0, 0), NewYork(0), "%#H:%M").dayAndWeek;
}

TEST(AlmanacLine, DayOfYearAndWeekCount) {
    EXPECT_EQ(DayAndWeek(2003, 1, 1), "1 day / 1 week");
    EXPECT_EQ(DayAndWeek(2003, 1, 6), "6 day / 1 week");
    EXPECT_EQ(DayAndWeek(2003, 1, 7), "7 day / 2 week");
    EXPECT_EQ(DayAndWeek(2003, 1, 13), "13 day / 2 week");
    EXPECT_EQ(DayAndWeek(2003, 1, 14), "14 day / 3 week");
    EXPECT_EQ(DayAndWeek(2003, 12, 31), "365 day / 53 week");
    EXPECT_EQ(DayAndWeek(2004, 12, 31), "366 day / 53 week");
    EXPECT_EQ(DayAndWeek(2004, 3, 1), "61 day / 9 week");
    // The time of day does not count.
    EXPECT_EQ(
        MakeAlmanacLine(COleDateTime(2003, 1, 7, 23, 59, 59), NewYork(0), "%#H:%M").dayAndWeek,
        "7 day / 2 week");
}

TEST(AlmanacLine, SunTimesIn24And12HourClocks) {
    const COleDateTime midsummer(2003, 6, 21, 0, 0, 0);
    const AlmanacLine line24 = MakeAlmanacLine(midsummer, NewYork(1), "%#H:%M");
    EXPECT_EQ(line24.dayAndWeek, "172 day / 25 week");
    EXPECT_EQ(line24.sunrise, "5:25");
    EXPECT_EQ(line24.sunset, "20:31");
    EXPECT_EQ(line24.sunriseTime.Format("%Y-%m-%d %H:%M"), "2003-06-21 05:25");
    EXPECT_EQ(line24.sunsetTime.Format("%Y-%m-%d %H:%M"), "2003-06-21 20:31");

    const AlmanacLine line12 = MakeAlmanacLine(midsummer, NewYork(1), "%#I:%M %p");
    EXPECT_EQ(line12.sunrise, "5:25 AM");
    EXPECT_EQ(line12.sunset, "8:31 PM");

    const AlmanacLine winter =
        MakeAlmanacLine(COleDateTime(2003, 12, 21, 0, 0, 0), NewYork(0), "%#H:%M");
    EXPECT_EQ(winter.sunrise, "7:16");
    EXPECT_EQ(winter.sunset, "16:32"); // 16:31:41, held as 16:32:41
}

TEST(AlmanacLine, NoSunTimesInPolarDayOrNight) {
    AlmanacLocation arctic = NewYork(0);
    arctic.latitude = {70, 0, 0};
    for (const COleDateTime date :
         {COleDateTime(2003, 6, 21, 0, 0, 0), COleDateTime(2003, 12, 21, 0, 0, 0)}) {
        const AlmanacLine line = MakeAlmanacLine(date, arctic, "%#H:%M");
        EXPECT_FALSE(line.dayAndWeek.empty());
        EXPECT_EQ(line.sunrise, "");
        EXPECT_EQ(line.sunset, "");
        EXPECT_EQ(line.sunriseTime.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(line.sunsetTime.GetStatus(), COleDateTime::invalid);
    }
}

TEST(AlmanacLine, UnusableLocationOrDateGivesWhatCanBeShown) {
    AlmanacLocation nowhere = NewYork(0);
    nowhere.latitude = {95, 0, 0};
    const AlmanacLine line = MakeAlmanacLine(COleDateTime(2003, 6, 21, 0, 0, 0), nowhere, "%#H:%M");
    EXPECT_EQ(line.dayAndWeek, "172 day / 25 week");
    EXPECT_EQ(line.sunrise, "");

    COleDateTime bad;
    bad.SetStatus(COleDateTime::invalid);
    const AlmanacLine none = MakeAlmanacLine(bad, NewYork(0), "%#H:%M");
    EXPECT_EQ(none.dayAndWeek, "");
    EXPECT_EQ(none.sunrise, "");
}

TEST(AlmanacLine, LocaleFormatIsTheHoursAndMinutesOne) {
    const COleDateTime midsummer(2003, 6, 21, 0, 0, 0);
    const AlmanacLine line = MakeAlmanacLine(midsummer, NewYork(1));
    const std::string format = CUtility::GetLocalTimeFormat(0);
    EXPECT_EQ(line.sunrise, MakeAlmanacLine(midsummer, NewYork(1), format).sunrise);
    EXPECT_EQ(line.sunrise.find("53"), std::string::npos); // no seconds
}

TEST(AlmanacLine, ThePlaceIsTheOneInTheSettings) {
    CCalendarData data;
    data.m_dLatDeg = 40, data.m_dLatMin = 43, data.m_dLatSec = 0;
    data.m_dLongDeg = 74, data.m_dLongMin = 1, data.m_dLongSec = 0;
    data.m_dTimeZone = -5, data.m_bDaylightSaving = 1;
    const COleDateTime midsummer(2003, 6, 21, 0, 0, 0);
    const AlmanacLine newYork = MakeAlmanacLine(midsummer, AlmanacLocationOf(data), "%#H:%M");
    EXPECT_EQ(newYork.sunrise, MakeAlmanacLine(midsummer, NewYork(1), "%#H:%M").sunrise);

    // Half a degree from the prime meridian, east of it: the sign of the zero counts.
    data.m_dLatDeg = 51, data.m_dLatMin = 30;
    data.m_dLongDeg = -0.0, data.m_dLongMin = 30;
    data.m_dTimeZone = 0, data.m_bDaylightSaving = 0;
    const AlmanacLocation east = AlmanacLocationOf(data);
    EXPECT_TRUE(std::signbit(east.longitude.degrees));
    EXPECT_EQ(east.zoneHours, 0.0);
    EXPECT_EQ(east.daylight, 0);
    data.m_dLongDeg = 0.0;
    const AlmanacLocation west = AlmanacLocationOf(data);
    const std::string eastRise = MakeAlmanacLine(midsummer, east, "%H:%M:%S").sunrise;
    const std::string westRise = MakeAlmanacLine(midsummer, west, "%H:%M:%S").sunrise;
    EXPECT_NE(eastRise, newYork.sunrise);
    EXPECT_LT(eastRise, westRise) << "the sun rises earlier a degree further east";
}

} // namespace
