// The options' values: how the settings are shown on the pages and how the
// pages' values are stored back.
#include "options/AppearanceOptions.h"
#include "options/CategoryOptions.h"
#include "options/LocationOptions.h"
#include "options/NoteOptions.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class OptionConversionsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    CLocationOptions LocationWithZone(double zone) {
        m_data.m_dTimeZone = zone;
        return CLocationOptions::FromData(m_data);
    }

    CCalendarData m_data;
};

} // namespace

TEST_F(OptionConversionsTest, ClearHistoryUntickedSavesMinusOneAndReopensAtZero) {
    CNoteOptions o = CNoteOptions::FromData(m_data);
    o.m_bClearHistory = 0;
    o.ToData(m_data);
    EXPECT_EQ(m_data.m_nClearHistoryDays, -1);
    const CNoteOptions again = CNoteOptions::FromData(m_data);
    EXPECT_FALSE(again.m_bClearHistory);
    EXPECT_EQ(again.m_nHistoryDays, 0);

    m_data.m_nClearHistoryDays = -40; // any value not above 0 means never
    EXPECT_EQ(CNoteOptions::FromData(m_data).m_nHistoryDays, 0);
}

TEST_F(OptionConversionsTest, NotePageValuesReachTheSettingsAndFlags) {
    CNoteOptions o = CNoteOptions::FromData(m_data);
    o.m_bWeekStartsSunday = 0;
    o.m_bShowCountdownDefault = 0;
    o.m_strWaveFile = "/tmp/bell.wav";
    o.m_nAlarmSound = kAlarmWaveFile;
    o.m_nStopSeconds = 15;
    o.m_nHistoryDays = 7;
    o.m_bSaveHistory = 0;
    o.ToData(m_data);
    EXPECT_FALSE(m_data.m_bWeekStartsSunday);
    EXPECT_FALSE(m_data.m_noteManager.m_bWeekFromSunday);
    EXPECT_FALSE(g_bShowCountdownDefault);
    EXPECT_EQ(m_data.m_strWaveFile, "/tmp/bell.wav");
    EXPECT_EQ(m_data.m_nAlarmSound, kAlarmWaveFile);
    EXPECT_EQ(m_data.m_nStopAlarmSeconds, 15);
    EXPECT_EQ(m_data.m_nClearHistoryDays, 7);
    EXPECT_FALSE(m_data.m_bSaveHistory);
}

TEST_F(OptionConversionsTest, WaveFileWithoutAFileFallsBackToTheSpeaker) {
    EXPECT_EQ(CNoteOptions::ChosenSound(kAlarmWaveFile, ""), kAlarmSpeaker);
    EXPECT_EQ(CNoteOptions::ChosenSound(kAlarmWaveFile, "/a.wav"), kAlarmWaveFile);
    EXPECT_EQ(CNoteOptions::ChosenSound(kAlarmMute, "/a.wav"), kAlarmMute);
    EXPECT_EQ(CNoteOptions::ChosenSound(kAlarmSpeaker, "/a.wav"), kAlarmSpeaker);
}

TEST_F(OptionConversionsTest, DefaultPlaceIsFortyDegreesNorthSeventyFourWest) {
    const CLocationOptions o = CLocationOptions::FromData(m_data);
    EXPECT_EQ(o.m_nLatDeg, 40u);
    EXPECT_EQ(o.m_nLatMin, 43u);
    EXPECT_EQ(o.m_nLatHemisphere, CLocationOptions::kNorth);
    EXPECT_EQ(o.m_nLongDeg, 74u);
    EXPECT_EQ(o.m_nLongMin, 1u);
    EXPECT_EQ(o.m_nLongHemisphere, CLocationOptions::kWest);
}

TEST_F(OptionConversionsTest, SouthAndEastAreNegativeDegrees) {
    m_data.m_dLatDeg = -33.0;
    m_data.m_dLatMin = 52.0;
    m_data.m_dLongDeg = -151.0;
    const CLocationOptions o = CLocationOptions::FromData(m_data);
    EXPECT_EQ(o.m_nLatDeg, 33u);
    EXPECT_EQ(o.m_nLatHemisphere, CLocationOptions::kSouth);
    EXPECT_EQ(o.m_nLongDeg, 151u);
    EXPECT_EQ(o.m_nLongHemisphere, CLocationOptions::kEast);
    CCalendarData other;
    o.ToData(other);
    EXPECT_EQ(other.m_dLatDeg, -33.0);
    EXPECT_EQ(other.m_dLatMin, 52.0);
    EXPECT_EQ(other.m_dLongDeg, -151.0);
}

TEST_F(OptionConversionsTest, ZeroDegreesKeepTheirHemisphereByTheSignOfZero) {
    m_data.m_dLatDeg = 0.0;   // just north of the equator
    m_data.m_dLongDeg = -0.0; // just east of Greenwich
    CLocationOptions o = CLocationOptions::FromData(m_data);
    EXPECT_EQ(o.m_nLatDeg, 0u);
    EXPECT_EQ(o.m_nLatHemisphere, CLocationOptions::kNorth);
    EXPECT_EQ(o.m_nLongHemisphere, CLocationOptions::kEast);

    o.m_nLatHemisphere = CLocationOptions::kSouth;
    o.ToData(m_data);
    EXPECT_EQ(m_data.m_dLatDeg, 0.0);
    EXPECT_TRUE(std::signbit(m_data.m_dLatDeg));
    EXPECT_TRUE(std::signbit(m_data.m_dLongDeg));
    const CLocationOptions again = CLocationOptions::FromData(m_data);
    EXPECT_EQ(again.m_nLatHemisphere, CLocationOptions::kSouth);
    EXPECT_EQ(again.m_nLongHemisphere, CLocationOptions::kEast);
}

TEST_F(OptionConversionsTest, ZoneMinutesSurviveRepeatedSaving) {
    CLocationOptions o = LocationWithZone(5.0);
    o.m_nZoneMinutes = 20;
    for (int i = 0; i < 5; ++i) {
        o.ToData(m_data);
        o = CLocationOptions::FromData(m_data);
    }
    EXPECT_EQ(o.m_nZoneHours, 5);
    EXPECT_EQ(o.m_nZoneMinutes, 20u);
    EXPECT_EQ(o.m_nZoneSign, CLocationOptions::kPlus);
}

TEST_F(OptionConversionsTest, ZonesFromMinusTwelveAndAHalfToPlusFourteen) {
    CLocationOptions o = LocationWithZone(14.0);
    EXPECT_EQ(o.m_nZoneHours, 14);
    EXPECT_TRUE(o.IsZoneInRange());
    o.m_nZoneMinutes = 1;
    EXPECT_FALSE(o.IsZoneInRange());
    o = LocationWithZone(-12.5);
    EXPECT_TRUE(o.IsZoneInRange());
    o.m_nZoneMinutes = 31;
    EXPECT_FALSE(o.IsZoneInRange());
    o.m_nZoneHours = 13;
    o.m_nZoneMinutes = 0;
    EXPECT_FALSE(o.IsZoneInRange());
    EXPECT_EQ(LocationWithZone(0.0).m_nZoneSign, CLocationOptions::kPlus);
    EXPECT_EQ(LocationWithZone(-0.0).m_nZoneSign, CLocationOptions::kPlus); // UTC has no side
    EXPECT_EQ(LocationWithZone(-0.5).m_nZoneSign, CLocationOptions::kMinus);
}

TEST_F(OptionConversionsTest, DamagedSettingsShowAsZero) {
    m_data.m_dLatDeg = std::numeric_limits<double>::quiet_NaN();
    m_data.m_dLongMin = 1e300;
    m_data.m_dTimeZone = 20.0; // no zone the sun times can use: shown as UTC
    const CLocationOptions o = CLocationOptions::FromData(m_data);
    EXPECT_EQ(o.m_nLatDeg, 0u);
    EXPECT_EQ(o.m_nLongMin, 0u);
    EXPECT_EQ(o.m_nZoneHours, 0);
    EXPECT_EQ(o.m_nZoneMinutes, 0u);
}

TEST_F(OptionConversionsTest, LocationFlagsTravelBothWays) {
    g_bShowSunInfo = 1;
    m_data.m_bDaylightSaving = 1;
    CLocationOptions o = CLocationOptions::FromData(m_data);
    EXPECT_TRUE(o.m_bShowSunInfo);
    EXPECT_TRUE(o.m_bDaylightSaving);
    o.m_bShowSunInfo = 0;
    o.m_bDaylightSaving = 0;
    o.ToData(m_data);
    EXPECT_FALSE(g_bShowSunInfo);
    EXPECT_FALSE(m_data.m_bDaylightSaving);
}

TEST_F(OptionConversionsTest, AppearanceResetEmptiesThePathsAndTakesTheDesktopColours) {
    m_data.m_strWindowTexture = "/w.jpg";
    m_data.m_nAppearanceOption = 3;
    CAppearanceOptions o = CAppearanceOptions::FromData(m_data);
    EXPECT_EQ(o.m_strWindowTexture, "/w.jpg");
    o.m_strToolbarTexture = "/t.bmp";
    o.Reset(RGB(10, 20, 30), RGB(240, 240, 200));
    o.ToData(m_data);
    EXPECT_EQ(m_data.m_strWindowTexture, "");
    EXPECT_EQ(m_data.m_strToolbarTexture, "");
    EXPECT_EQ(m_data.m_crText, RGB(10, 20, 30));
    EXPECT_EQ(m_data.m_crTextBack, RGB(240, 240, 200));
    EXPECT_EQ(m_data.m_nAppearanceOption, 3); // carried through untouched
}

TEST_F(OptionConversionsTest, NewCategoryTakesTheNextID) {
    CCategoryOptions o = CCategoryOptions::FromData(m_data);
    EXPECT_EQ(o.ShownNames(),
              (std::vector<std::string>{"Payment", "Appointment", "Birthday", "Anniversary"}));
    EXPECT_TRUE(o.Add("Travel"));
    EXPECT_EQ(o.m_arrIDs.back(), 5u);
    EXPECT_EQ(o.m_nNextCategoryID, 6);
    EXPECT_EQ(m_data.m_arrCategories.size(), 5u); // nothing changes before OK
    EXPECT_EQ(m_data.m_nNextCategoryID, 5);
    o.ToData(m_data);
    ASSERT_EQ(m_data.m_arrCategories.size(), 6u);
    EXPECT_EQ(m_data.m_arrCategories[5], CCategory(5, "Travel"));
    EXPECT_EQ(m_data.m_nNextCategoryID, 6);
}

TEST_F(OptionConversionsTest, EmptyCategoryNameAddsNothing) {
    CCategoryOptions o = CCategoryOptions::FromData(m_data);
    EXPECT_FALSE(o.Add(""));
    EXPECT_EQ(o.m_nNextCategoryID, 5);
    EXPECT_EQ(o.m_arrIDs.size(), 5u);
    EXPECT_TRUE(o.Add(" ")); // taken as typed
}

TEST_F(OptionConversionsTest, RemovingTwoCategoriesAtOnceRemovesExactlyThose) {
    CCategoryOptions o = CCategoryOptions::FromData(m_data);
    o.Remove({3, 1, 3, 17, -2}); // "Anniversary" and "Appointment"; junk ignored
    EXPECT_EQ(o.ShownNames(), (std::vector<std::string>{"Payment", "Birthday"}));
    EXPECT_EQ(o.m_arrIDs, (std::vector<unsigned>{0, 1, 3}));
    EXPECT_EQ(o.m_arrNames[0], "All");
}

TEST_F(OptionConversionsTest, RemovedCategoryIDsAreNotReused) {
    CCategoryOptions o = CCategoryOptions::FromData(m_data);
    o.Add("Travel");
    o.Remove({4});
    o.Add("Sports");
    EXPECT_EQ(o.m_arrIDs.back(), 6u);
    o.ToData(m_data);
    EXPECT_EQ(m_data.m_nNextCategoryID, 7);
}
