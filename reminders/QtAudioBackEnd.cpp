#include "reminders/QtAudioBackEnd.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QUrl>

CQtAudioBackEnd::CQtAudioBackEnd(QObject* parent) : QObject(parent) {
    connect(&m_loop, &QSoundEffect::statusChanged, this, &CQtAudioBackEnd::OnLoopStatus);
    CAudioBackEnd::Install(this);
}

CQtAudioBackEnd::~CQtAudioBackEnd() {
    if (&CAudioBackEnd::Current() == this) CAudioBackEnd::Install(nullptr);
}

bool CQtAudioBackEnd::LooksLikeWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

bool CQtAudioBackEnd::PlayLoop(const std::string& path) {
    m_loop.stop();
    const QString file = QString::fromStdString(path);
    // Refused at once when it cannot be a wave file, so that the alarm can
    // fall back to the beep from its first tick.
    if (file.isEmpty() || !LooksLikeWave(file)) return false;
    m_loop.setSource(QUrl::fromLocalFile(file));
    m_loop.setLoopCount(QSoundEffect::Infinite);
    m_loop.play();
    return m_loop.status() != QSoundEffect::Error;
}

void CQtAudioBackEnd::Stop() {
    m_loop.stop();
}

void CQtAudioBackEnd::OnLoopStatus() {
    // A file that looked right but cannot be decoded.
    if (m_loop.status() == QSoundEffect::Error) ReportLoopFailed();
}

int CQtAudioBackEnd::OutputDeviceCount() const {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

void CQtAudioBackEnd::Beep() {
    if (OutputDeviceCount() == 0 || !m_beep.Beep()) QApplication::beep();
}
