#pragma once
// The real sound of the program: the alarm's wave file loops through a
// QSoundEffect, the beep is a short tone of the program's own making (the
// desktop's bell when there is no output device to play it on).

#include "reminders/AudioBackEnd.h"

#include <QObject>
#include <QSoundEffect>
#include <QTemporaryFile>

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
    bool PrepareTone();

    QSoundEffect m_loop;
    QSoundEffect m_tone;
    QTemporaryFile m_toneFile;
    bool m_bToneReady = false;
    bool m_bToneFailed = false;
};
