#pragma once
// The beep's way to the speaker: one audio output, opened with the first
// beep and kept open while beeps keep coming, so that a ringing alarm (or
// several) beeps through one output for as long as it rings. It closes a
// while after the last beep.

#include "reminders/BeepStream.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;

class CBeepOutput : public QObject {
    Q_OBJECT
public:
    // How long the output stays open after the last beep: longer than the
    // pause between two beeps of a ringing alarm.
    static constexpr int kLingerMs = 2000;
    // What the output holds ahead of the speaker: the beep's delay.
    static constexpr int kBufferMs = 100;

    explicit CBeepOutput(QObject* parent = nullptr);
    ~CBeepOutput() override;

    // Sounds the tone on the default output device; false when no output
    // can be opened there.
    bool Beep();
    bool IsOpen() const { return m_pSink != nullptr; }

private:
    bool Open();
    void Close();

    CBeepStream m_stream;
    std::unique_ptr<QAudioSink> m_pSink;
    QTimer m_linger;
};
