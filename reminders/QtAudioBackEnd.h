#pragma once
// The real sound of the program: the alarm's wave file loops through a
// QSoundEffect; the beep is a short tone of the program's own making, played
// through one audio output that stays open while beeps keep coming (the
// desktop's bell when there is no output device to play it on).

#include "reminders/AudioBackEnd.h"
#include "reminders/BeepOutput.h"

#include <QObject>
#include <QSoundEffect>

class CQtAudioBackEnd : public QObject, public CAudioBackEnd {
    Q_OBJECT
public:
    explicit CQtAudioBackEnd(QObject* parent = nullptr);
    ~CQtAudioBackEnd() override;

    bool PlayLoop(const std::string& path) override;
    void Stop() override;
    int OutputDeviceCount() const override;
    void Beep() override;

    // Whether the file starts like a wave file at all.
    static bool LooksLikeWave(const QString& path);

private:
    void OnLoopStatus();

    QSoundEffect m_loop;
    CBeepOutput m_beep;
};
