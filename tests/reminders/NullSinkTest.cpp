// What an overdue reminder really sounds like: the program rings through its
// real audio back end into a null sink of a sound server of the test's own,
// and the recording must hold sound in every second. Runs in real time
// (about half a minute); skipped where PulseAudio is not installed or will
// not start.
#include "tests/reminders/PulseNullSink.h"

#include "reminders/AlarmScheduler.h"
#include "reminders/AlarmSignal.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/QtAudioBackEnd.h"
#include "reminders/ToneWave.h"
#include "store/CalendarData.h"
#include "store/OneTimeNote.h"
#include "store/ProgramFlags.h"
#include "tests/support/TempHome.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

namespace {

// Silence on a null sink is exact zero; a beep peaks near half of full scale.
// A second counts as sounding well below that, so that a quieter mix or a
// beep cut by the second's edge still counts.
constexpr int kSoundingPeak = 1000;
// A file that is still loading after this long will not load at all.
constexpr int kLoadLimitMs = 1000;
// How much longer than its length a recording may take to arrive.
constexpr int kSpareSeconds = 10;

struct SecondLevel {
    int nPeak = 0;
    double dRmsDb = -120.0; // below full scale
};

std::vector<SecondLevel> LevelsPerSecond(const std::vector<std::int16_t>& samples) {
    std::vector<SecondLevel> levels;
    const std::size_t rate = CPulseNullSink::kRate;
    for (std::size_t start = 0; start + rate <= samples.size(); start += rate) {
        SecondLevel level;
        double sum = 0.0;
        for (std::size_t i = start; i < start + rate; ++i) {
            level.nPeak = std::max(level.nPeak, std::abs(static_cast<int>(samples[i])));
            sum += static_cast<double>(samples[i]) * samples[i];
        }
        const double rms = std::sqrt(sum / static_cast<double>(rate)) / 32768.0;
        if (rms > 0) level.dRmsDb = 20.0 * std::log10(rms);
        levels.push_back(level);
    }
    return levels;
}

std::string Describe(const std::vector<SecondLevel>& levels) {
    std::ostringstream out;
    out.precision(1);
    for (std::size_t i = 0; i < levels.size(); ++i)
        out << std::fixed << "\n  second " << i + 1 << ": peak " << levels[i].nPeak << ", rms "
            << levels[i].dRmsDb << " dBFS";
    return out.str();
}

void RunEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the events until done() or the limit; done() at the end.
bool RunEventsUntil(const std::function<bool()>& done, int limitMs) {
    for (int waited = 0; waited < limitMs && !done(); waited += 100)
        RunEventsFor(100);
    return done();
}

QByteArray Bytes(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

QByteArray UndecodableWave() {
    // A wave file's header over data no decoder understands.
    QByteArray bytes = Bytes(CToneWave::Make()).left(12);
    bytes += QByteArray("fmt \x10\0\0\0", 8) + QByteArray(16, '\x7f');
    bytes += QByteArray("data\0\x10\0\0", 8) + QByteArray(4096, '\x33');
    return bytes;
}

QByteArray TruncatedWave() {
    // The tone's file, cut short of the length its header gives.
    return Bytes(CToneWave::Make(CToneWave::kFrequency, 2000)).left(4096);
}

std::string WriteWave(const CTempHome& home, const std::string& name, const QByteArray& bytes) {
    const std::string path = home.File(name);
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

class NullSink : public ::testing::Test {
protected:
    void SetUp() override {
        const QString problem = m_server.Start();
        if (!problem.isEmpty())
            GTEST_SKIP() << "no sound server to listen to: " << problem.toStdString();
        m_pAudio = std::make_unique<CQtAudioBackEnd>(nullptr, kLoadLimitMs);
        ASSERT_GT(m_pAudio->OutputDeviceCount(), 0) << "the null sink is no output device";
    }
    void TearDown() override { ResetProgramFlags(); }

    CPulseNullSink m_server; // outlives the back end
    CTempHome m_home;
    std::unique_ptr<CQtAudioBackEnd> m_pAudio;
};

struct RingCase {
    const char* name;
    int nSound;
    const char* waveName;
    QByteArray waveFile; // written under waveName when not empty
    int nSeconds;        // length of the recording
};

} // namespace

TEST_F(NullSink, OverdueReminderSoundsInEverySecondItRings) {
    const RingCase cases[] = {
        {"the default beep", CAlarmSignal::kSpeaker, "", {}, 20},
        {"a wave file", CAlarmSignal::kWaveFile, "tone.wav", Bytes(CToneWave::Make()), 2},
        {"a wave file that cannot be decoded", CAlarmSignal::kWaveFile, "alarm.wav",
         UndecodableWave(), 2},
    };
    for (const RingCase& ring : cases) {
        SCOPED_TRACE(ring.name);
        ResetProgramFlags();
        CCalendarData data;
        CAlarmScheduler scheduler(data);
        CNoteWindowManager windows(data, scheduler);
        scheduler.SetWindows(&windows);
        data.m_nAlarmSound = ring.nSound;
        data.m_nStopAlarmSeconds = 60;
        if (!ring.waveFile.isEmpty())
            data.m_strWaveFile = WriteWave(m_home, ring.waveName, ring.waveFile);
        const COleDateTime now = COleDateTime::GetCurrentTime();
        data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, "Call the garage", "",
                                                    now - CUtility::OneMinute, 0, 0, 1));
        scheduler.Tick(now);
        ASSERT_EQ(g_nAlarmsRinging, 1);

        RunEventsFor(1000); // the ringing settles in before the recording
        ASSERT_TRUE(m_server.StartRecording());
        const std::size_t wanted = static_cast<std::size_t>(ring.nSeconds) * CPulseNullSink::kRate;
        RunEventsUntil([&] { return m_server.RecordedSamples() >= wanted; },
                       (ring.nSeconds + kSpareSeconds) * 1000);
        const std::vector<SecondLevel> levels = LevelsPerSecond(m_server.StopRecording());
        data.RemoveAllNotes(); // the alarm ends with its note
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        std::cout << ring.name << ":" << Describe(levels) << std::endl;
        ASSERT_GE(levels.size(), static_cast<std::size_t>(ring.nSeconds)) << "recording lost";
        for (std::size_t i = 0; i < levels.size(); ++i)
            EXPECT_GE(levels[i].nPeak, kSoundingPeak) << "silent second " << i + 1;
    }
}

TEST_F(NullSink, FilesAreCheckedByLoadingThemAndAnUnplayableOneNeverLoopsInSilence) {
    const struct {
        const char* name;
        QByteArray bytes;
        bool bPlayable;
    } cases[] = {
        {"tone.wav", Bytes(CToneWave::Make()), true},
        {"alarm.wav", UndecodableWave(), false},
        {"truncated.wav", TruncatedWave(), false},
    };
    const int limitMs = kLoadLimitMs + 2000;
    for (const auto& file : cases) {
        SCOPED_TRACE(file.name);
        const std::string path = WriteWave(m_home, file.name, file.bytes);
        std::optional<bool> answer;
        m_pAudio->CheckFile(path, [&answer](bool playable) { answer = playable; });
        RunEventsUntil([&answer] { return answer.has_value(); }, limitMs);
        EXPECT_EQ(answer, std::optional<bool>(file.bPlayable));

        // Played once checked, as "Play" on the options page does.
        bool failed = false;
        const bool accepted = m_pAudio->PlayLoop(path, [&failed] { failed = true; });
        if (file.bPlayable)
            EXPECT_TRUE(accepted);
        else
            EXPECT_TRUE(RunEventsUntil([&] { return !accepted || failed; }, limitMs));
        m_pAudio->Stop();
    }
}
