#include "zadad/SunRiseSet.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class SunTimesAccess : public CUtility {
public:
    using CSunTimes::doubleToTime;
    using CSunTimes::f0;
    using CSunTimes::f1;
    using CSunTimes::FNday;
    using CSunTimes::FNrange;
};

TEST(DegreeTrigonometry, FunctionsWorkInDegrees) {
    EXPECT_NEAR(CUtility::DegSin(30), 0.5, 1e-12);
    EXPECT_NEAR(CUtility::DegCos(60), 0.5, 1e-12);
    EXPECT_NEAR(CUtility::DegTan(45), 1.0, 1e-12);
    EXPECT_NEAR(CUtility::DegArcsin(0.5), 30.0, 1e-9);
    EXPECT_NEAR(CUtility::DegArccos(0.5), 60.0, 1e-9);
    EXPECT_NEAR(CUtility::DegArctan(1.0), 45.0, 1e-9);
    EXPECT_NEAR(CUtility::DegAtan2(-1, 0), 270.0, 1e-9);
    EXPECT_NEAR(CUtility::DegAtan2(0, -1), 180.0, 1e-9);
    EXPECT_NEAR(CUtility::DegAtan2(1, 1), 45.0, 1e-9);
    EXPECT_GE(CUtility::DegAtan2(-1e-12, 1), 0.0);
}

TEST(DegreeTrigonometry, RangesTruncateTowardZero) {
    EXPECT_DOUBLE_EQ(CUtility::range360(-30), -30);
    EXPECT_NEAR(CUtility::range360(725), 5, 1e-12);
    EXPECT_NEAR(CUtility::range360(-725), -5, 1e-12);
    EXPECT_NEAR(CUtility::range2pi(7.0), 7.0 - CUtility::TPI, 1e-12);
    EXPECT_NEAR(CUtility::range2pi(-7.0), -7.0 + CUtility::TPI, 1e-12);
    EXPECT_NEAR(SunTimesAccess::FNrange(-1), CUtility::TPI - 1, 1e-12);
    EXPECT_NEAR(SunTimesAccess::FNrange(13), 13 - 2 * CUtility::TPI, 1e-12);
}

TEST(DayCounts, CountFromJ2000) {
    EXPECT_DOUBLE_EQ(SunTimesAccess::FNday(2000, 1, 1, 12), 0.0);
    EXPECT_DOUBLE_EQ(SunTimesAccess::FNday(2000, 3, 1, 0), 59.5);
    EXPECT_DOUBLE_EQ(CUtility::day2000(2000, 1, 1, 12, 0, 0, 1), 0.0);
    EXPECT_DOUBLE_EQ(CUtility::day2000(2000, 3, 1, 0, 0, 0, 1), 59.5);
    EXPECT_NEAR(CUtility::day2000(2003, 6, 21, 18, 30, 0, 1),
                CSunRiseSet::calcJD(2003, 6, 21) - 2451545.0 + 18.5 / 24, 1e-9);
    // Seconds below a whole hour count for nothing.
    EXPECT_DOUBLE_EQ(CUtility::day2000(2000, 1, 1, 12, 0, 3599, 1), 0.0);
    EXPECT_NEAR(CUtility::day2000(2000, 1, 1, 12, 0, 3600, 1), 1.0 / 24, 1e-9);
    // The Julian calendar runs 13 days behind in these centuries.
    EXPECT_DOUBLE_EQ(CUtility::day2000(2000, 1, 1, 12, 0, 0, 0), 13.0);
}

TEST(HourAngles, CapAtTheHorizonAndFollowTheHemisphere) {
    EXPECT_DOUBLE_EQ(SunTimesAccess::f0(80, 0.4), CUtility::PI * 0.5 + std::asin(1.0));
    EXPECT_NEAR(SunTimesAccess::f0(0, 0), CUtility::PI / 2, 1e-12);
    EXPECT_GT(SunTimesAccess::f0(40, 0.3), CUtility::PI / 2);  // long summer day
    EXPECT_LT(SunTimesAccess::f0(-40, 0.3), CUtility::PI / 2); // short winter day south
    EXPECT_GT(SunTimesAccess::f1(40, 0.3), SunTimesAccess::f0(40, 0.3));
}

TEST(SecondSunrise, CloseToTheMainAlgorithm) {
    const double jd = CSunRiseSet::calcJD(2003, 6, 21);
    const double days = CUtility::day2000(2003, 6, 21, 0, 0, 0, 1);
    // New York; this algorithm counts longitude east.
    const double rise = CUtility::Sunrise(days, 40.7167, -74.0167, 1, -0.833);
    const double set = CUtility::Sunrise(days, 40.7167, -74.0167, 0, -0.833);
    EXPECT_NEAR(rise * 60, CSunRiseSet::calcSunriseUTC(jd, 40.7167, 74.0167), 3.0);
    EXPECT_NEAR(set * 60 + 1440, CSunRiseSet::calcSunsetUTC(jd, 40.7167, 74.0167), 5.0);
}

TEST(SecondSunrise, EndsOnPolarDaysAndOnNonsense) {
    const double days = CUtility::day2000(2003, 6, 21, 0, 0, 0, 1);
    EXPECT_TRUE(std::isfinite(CUtility::Sunrise(days, 80, 0, 1, -0.833)));
    EXPECT_TRUE(std::isfinite(CUtility::Sunrise(days, -80, 0, 1, -0.833)));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(CUtility::Sunrise(days, nan, 0, 1, -0.833)));
}

TEST(SecondSunrise, SunRiseLeavesItsArgumentsAlone) {
    COleDateTime a(2003, 6, 21, 1, 2, 3), b(2004, 1, 1, 0, 0, 0), c;
    const COleDateTime a0 = a, b0 = b, c0 = c;
    CUtility::SunRise(40, 74, -5, a, b, c);
    EXPECT_EQ(a, a0);
    EXPECT_EQ(b, b0);
    EXPECT_EQ(c, c0);
}

TEST(SecondSunrise, HoursBecomeATimeOnNewYearsDay2000) {
    const COleDateTime t = SunTimesAccess::doubleToTime(6.76);
    EXPECT_EQ(t.GetYear(), 2000);
    EXPECT_EQ(t.GetHour(), 6);
    EXPECT_EQ(t.GetMinute(), 45);
    EXPECT_EQ(t.GetSecond(), 0);
    EXPECT_EQ(SunTimesAccess::doubleToTime(24.5).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(SunTimesAccess::doubleToTime(-1).GetStatus(), COleDateTime::invalid);
}

} // namespace
