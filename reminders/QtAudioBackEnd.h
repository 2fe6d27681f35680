#pragma once
// The real sound of the program: the alarm's wave file loops through a
// QSoundEffect; the beep is a short tone of the program's own making, played
// through one audio output that stays open while beeps keep coming (the
// desktop's bell when there is no output device to play it on).

#include "reminders/AudioBackEnd.h"
#include "reminders/BeepOutput.h"

#include <QObject>
#include <QSoundEffect>
#include <QTimer>

#include <memory>

class CQtAudioBackEnd : public QObject, public CAudioBackEnd {
    Q_OBJECT
public:
    // A wave file not loaded within this time counts as one that cannot be
    // played (a file cut short never finishes loading): an alarm must not
    // wait in silence for a sound that never comes.
    static constexpr int kLoadLimitMs = 5000;

    explicit CQtAudioBackEnd(QObject* parent = nullptr, int loadLimitMs = kLoadLimitMs);
    ~CQtAudioBackEnd() override;

    bool PlayLoop(const std::string& path, LoopFailed onFailed) override;
    void Stop() override;
    void CheckFile(const std::string& path, FileChecked answer) override;
    int OutputDeviceCount() const override;
    void Beep() override;

    // Whether the file starts like a wave file at all.
    static bool LooksLikeWave(const QString& path);

private:
    std::unique_ptr<QSoundEffect> LoadEffect(const QString& file,
                                             void (CQtAudioBackEnd::*onStatus)());
    void OnLoopStatus();
    void FailLoop();
    void OnCheckStatus();
    void AnswerCheck(bool playable);

    std::unique_ptr<QSoundEffect> m_pLoop;
    LoopFailed m_loopFailed;
    QTimer m_loopLoading;
    std::unique_ptr<QSoundEffect> m_pCheck;
    FileChecked m_fileChecked;
    QTimer m_checkLoading;
    CBeepOutput m_beep;
};
