// The ringing of alarm windows: beeps per window, the one shared wave sound,
// the "Stop alarm after" limit, the blink, and the fall-back to the beep when
// the wave file cannot be played.
#include "reminders/AlarmSignal.h"

#include "reminders/SharedWave.h"
#include "store/ProgramFlags.h"
#include "tests/support/FakeAudioBackEnd.h"

#include <gtest/gtest.h>

namespace {

CAlarmSignal::Settings Speaker(int stopSeconds = 0) {
    return {CAlarmSignal::kSpeaker, "", stopSeconds};
}

CAlarmSignal::Settings Wave(int stopSeconds = 0) {
    return {CAlarmSignal::kWaveFile, "/sounds/bell.wav", stopSeconds};
}

class AlarmSignal : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    CFakeAudioBackEnd m_audio;
};

} // namespace

TEST_F(AlarmSignal, SpeakerBeepsOnEveryTickAndBlinks) {
    CAlarmSignal signal;
    signal.Start(Speaker());
    EXPECT_EQ(g_nAlarmsRinging, 1);
    EXPECT_FALSE(signal.IsBlinkAlternate());
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(signal.Tick());
    EXPECT_EQ(m_audio.m_nBeeps, 4);
    EXPECT_FALSE(signal.IsBlinkAlternate()); // four flips: back where it began
    signal.Tick();
    EXPECT_TRUE(signal.IsBlinkAlternate());
    EXPECT_TRUE(m_audio.m_played.empty());
    signal.End();
    EXPECT_EQ(g_nAlarmsRinging, 0);
    EXPECT_FALSE(signal.Tick());
    EXPECT_EQ(m_audio.m_nBeeps, 5);
}

TEST_F(AlarmSignal, StopAfterSixtySecondsEndsOnTheHundredTwentyFirstTick) {
    CAlarmSignal signal;
    signal.Start(Speaker(60));
    for (int i = 1; i <= 120; ++i)
        ASSERT_TRUE(signal.Tick()) << "tick " << i;
    EXPECT_FALSE(signal.Tick());
    EXPECT_EQ(m_audio.m_nBeeps, 121);
    EXPECT_FLOAT_EQ(signal.Elapsed(), 60.5f);
    EXPECT_FALSE(signal.IsSignalling());
    EXPECT_FALSE(signal.IsBlinkAlternate());
    // Still an alarm until acknowledged.
    EXPECT_TRUE(signal.IsRinging());
    EXPECT_EQ(g_nAlarmsRinging, 1);
    signal.Tick();
    EXPECT_EQ(m_audio.m_nBeeps, 121);
}

TEST_F(AlarmSignal, ZeroSecondsRingsUntilAcknowledged) {
    CAlarmSignal signal;
    signal.Start(Speaker(0));
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(signal.Tick());
    EXPECT_FLOAT_EQ(signal.Elapsed(), 0.0f);
}

TEST_F(AlarmSignal, OneWaveSoundForTwoAlarmsStopsWithTheLast) {
    CAlarmSignal first;
    CAlarmSignal second;
    first.Start(Wave());
    second.Start(Wave());
    EXPECT_EQ(m_audio.m_played, std::vector<std::string>{"/sounds/bell.wav"});
    EXPECT_EQ(g_nAlarmsRinging, 2);
    first.Tick();
    second.Tick();
    EXPECT_EQ(m_audio.m_nBeeps, 0);

    first.End();
    EXPECT_TRUE(m_audio.IsLooping());
    second.End();
    EXPECT_FALSE(m_audio.IsLooping());
    EXPECT_EQ(g_nAlarmsRinging, 0);
}

TEST_F(AlarmSignal, EitherWindowRunningOutStopsTheSharedWave) {
    CAlarmSignal first;
    CAlarmSignal second;
    first.Start(Wave(1));
    second.Start(Wave(1));
    first.Tick();
    first.Tick();
    EXPECT_TRUE(m_audio.IsLooping());
    EXPECT_FALSE(first.Tick());
    EXPECT_FALSE(m_audio.IsLooping());
    EXPECT_EQ(m_audio.m_nBeeps, 0); // a wave that played is not replaced by beeps
}

TEST_F(AlarmSignal, UnplayableWaveFileFallsBackToTheBeep) {
    m_audio.m_bRefuseFiles = true;
    CAlarmSignal signal;
    signal.Start(Wave());
    EXPECT_TRUE(CSharedWave::HasFailed());
    signal.Tick();
    signal.Tick();
    EXPECT_EQ(m_audio.m_nBeeps, 2);
}

TEST_F(AlarmSignal, WaveThatBreaksWhilePlayingFallsBackForEveryWindow) {
    CAlarmSignal first;
    CAlarmSignal second;
    first.Start(Wave());
    second.Start(Wave());
    first.Tick();
    EXPECT_EQ(m_audio.m_nBeeps, 0);
    m_audio.FailLoop();
    first.Tick();
    second.Tick();
    EXPECT_EQ(m_audio.m_nBeeps, 2);
}

TEST_F(AlarmSignal, StoppedWaveIsNoFailure) {
    CAlarmSignal signal;
    signal.Start(Wave());
    CSharedWave::Stop(); // closing a note window silences the wave
    m_audio.FailLoop();  // a late report from the stopped sound
    signal.Tick();
    EXPECT_EQ(m_audio.m_nBeeps, 0);
}

TEST_F(AlarmSignal, NoOutputDevicePlaysNothingButStillBlinks) {
    m_audio.m_nDevices = 0;
    CAlarmSignal signal;
    signal.Start(Wave());
    EXPECT_TRUE(m_audio.m_played.empty());
    signal.Tick();
    EXPECT_EQ(m_audio.m_nBeeps, 0);
    EXPECT_TRUE(signal.IsBlinkAlternate());
}

TEST_F(AlarmSignal, MuteIsSilentForTheSameTime) {
    CAlarmSignal signal;
    signal.Start({CAlarmSignal::kMute, "/sounds/bell.wav", 1});
    EXPECT_TRUE(signal.Tick());
    EXPECT_TRUE(signal.Tick());
    EXPECT_FALSE(signal.Tick());
    EXPECT_EQ(m_audio.m_nBeeps, 0);
    EXPECT_TRUE(m_audio.m_played.empty());
}

TEST_F(AlarmSignal, CountedOnceHoweverOftenStartedOrEnded) {
    {
        CAlarmSignal signal;
        signal.Start(Speaker());
        signal.Start(Speaker());
        EXPECT_EQ(g_nAlarmsRinging, 1);
        signal.End();
        signal.End();
        EXPECT_EQ(g_nAlarmsRinging, 0);
        signal.Start(Wave());
    } // a window destroyed while ringing gives its share back
    EXPECT_EQ(g_nAlarmsRinging, 0);
    EXPECT_FALSE(m_audio.IsLooping());
}
