// The real audio back end, as far as it can be checked without a sound
// server: which files it refuses at once (so that the alarm beeps from its
// first tick instead), and that it is the back end in use while it lives.
#include "reminders/QtAudioBackEnd.h"

#include "reminders/ToneWave.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <QFile>

#include <optional>

#include <sys/stat.h>

namespace {

std::string WriteFile(const CTempHome& home, const std::string& name, const QByteArray& bytes) {
    const std::string path = home.File(name);
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return path;
}

// A named pipe with a wave file's name: reading it would wait for a writer.
std::string Fifo(const CTempHome& home) {
    const std::string path = home.File("pipe.wav");
    EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
    return path;
}

QByteArray ToneBytes() {
    const std::vector<std::uint8_t> wave = CToneWave::Make();
    return QByteArray(reinterpret_cast<const char*>(wave.data()),
                      static_cast<qsizetype>(wave.size()));
}

} // namespace

TEST(QtAudioBackEnd, RefusesAtOnceWhatCannotBeAWaveFile) {
    CTempHome home;
    CQtAudioBackEnd audio;
    const std::string files[] = {
        "",
        home.File("missing.wav"),
        home.Path(), // a folder
        Fifo(home),
        WriteFile(home, "text.wav", "just some text, no sound"),
        WriteFile(home, "short.wav", "RIFF"),
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        bool failedLater = false;
        EXPECT_FALSE(audio.PlayLoop(file, [&failedLater] { failedLater = true; }));
        std::optional<bool> answer;
        audio.CheckFile(file, [&answer](bool playable) { answer = playable; });
        EXPECT_EQ(answer, std::optional<bool>(false));
        EXPECT_FALSE(failedLater);
    }
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
