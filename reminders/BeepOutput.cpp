#include "reminders/BeepOutput.h"

#include "reminders/ToneWave.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

CBeepOutput::CBeepOutput(QObject* parent) : QObject(parent) {
    m_linger.setSingleShot(true);
    m_linger.setInterval(kLingerMs);
    connect(&m_linger, &QTimer::timeout, this, &CBeepOutput::Close);
}

CBeepOutput::~CBeepOutput() {
    Close();
}

bool CBeepOutput::Beep() {
    if (!Open()) return false;
    m_stream.Trigger();
    m_linger.start();
    return true;
}

bool CBeepOutput::Open() {
    if (m_pSink && m_pSink->state() != QAudio::StoppedState) return true;
    // Always a new output: one that has been stopped can stay mute when it
    // is started again.
    Close();
    QAudioFormat format;
    format.setSampleRate(CToneWave::kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    m_pSink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    m_pSink->setBufferSize(format.bytesForDuration(qint64{kBufferMs} * 1000));
    m_pSink->start(&m_stream);
    if (m_pSink->error() == QAudio::NoError && m_pSink->state() != QAudio::StoppedState)
        return true;
    Close();
    return false;
}

void CBeepOutput::Close() {
    m_linger.stop();
    if (!m_pSink) return;
    m_pSink->stop();
    m_pSink.reset();
}
