// The real audio back end, as far as it can be checked without listening:
// which files it refuses at once (so that the alarm beeps from its first
// tick instead), and that it is the back end in use while it lives.
#include "reminders/QtAudioBackEnd.h"

#include "reminders/ToneWave.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

std::string WriteFile(const CTempHome& home, const std::string& name, const QByteArray& bytes) {
    const std::string path = home.File(name);
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

QByteArray ToneBytes() {
    const std::vector<std::uint8_t> wave = CToneWave::Make();
    return QByteArray(reinterpret_cast<const char*>(wave.data()),
                      static_cast<qsizetype>(wave.size()));
}

} // namespace

TEST(QtAudioBackEnd, RefusesWhatCannotBeAWaveFile) {
    CTempHome home;
    CQtAudioBackEnd audio;
    EXPECT_FALSE(audio.PlayLoop(""));
    EXPECT_FALSE(audio.PlayLoop(home.File("missing.wav")));
    EXPECT_FALSE(audio.PlayLoop(WriteFile(home, "text.wav", "just some text, no sound")));
    EXPECT_FALSE(audio.PlayLoop(WriteFile(home, "short.wav", "RIFF")));
    audio.Stop(); // nothing playing: nothing happens
}

TEST(QtAudioBackEnd, RecognisesWaveFilesByTheirHeader) {
    CTempHome home;
    EXPECT_TRUE(CQtAudioBackEnd::LooksLikeWave(
        QString::fromStdString(WriteFile(home, "tone.wav", ToneBytes()))));
    QByteArray avi = ToneBytes();
    avi.replace(8, 4, "AVI ");
    EXPECT_FALSE(
        CQtAudioBackEnd::LooksLikeWave(QString::fromStdString(WriteFile(home, "clip.wav", avi))));
}

TEST(QtAudioBackEnd, IsTheBackEndInUseWhileItLives) {
    {
        CQtAudioBackEnd audio;
        EXPECT_EQ(&CAudioBackEnd::Current(), &audio);
        EXPECT_GE(audio.OutputDeviceCount(), 0);
    }
    EXPECT_EQ(CAudioBackEnd::Current().OutputDeviceCount(), 0); // the silent one again
}
