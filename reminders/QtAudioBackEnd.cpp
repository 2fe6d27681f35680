#include "reminders/QtAudioBackEnd.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

namespace {

void Discard(std::unique_ptr<QSoundEffect>& effect) {
    if (!effect) return;
    effect->disconnect();
    effect->stop();
    effect.reset();
}

} // namespace

CQtAudioBackEnd::CQtAudioBackEnd(QObject* parent, int loadLimitMs) : QObject(parent) {
    for (QTimer* timer : {&m_loopLoading, &m_checkLoading}) {
        timer->setSingleShot(true);
        timer->setInterval(loadLimitMs);
    }
    connect(&m_loopLoading, &QTimer::timeout, this, &CQtAudioBackEnd::FailLoop);
    connect(&m_checkLoading, &QTimer::timeout, this, [this] { AnswerCheck(false); });
    CAudioBackEnd::Install(this);
}

CQtAudioBackEnd::~CQtAudioBackEnd() {
    if (&CAudioBackEnd::Current() == this) CAudioBackEnd::Install(nullptr);
    Stop();
    m_fileChecked = nullptr;
    Discard(m_pCheck);
}

bool CQtAudioBackEnd::LooksLikeWave(const QString& path) {
    // Only a plain file: reading a pipe or a device could wait for ever.
    if (!QFileInfo(path).isFile()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

std::unique_ptr<QSoundEffect> CQtAudioBackEnd::LoadEffect(const QString& file,
                                                          void (CQtAudioBackEnd::*onStatus)()) {
    // Every load under an address of its own, so that it reads the file
    // afresh: sound effects share what they loaded by address, and keep a
    // file that failed to decode as failed for good, so that loading it
    // once more would wait for ever instead of failing.
    static unsigned s_nLoads = 0;
    QUrl url = QUrl::fromLocalFile(file);
    url.setQuery(QStringLiteral("load=%1").arg(++s_nLoads));
    // A sound effect of its own for every file played or checked: an output
    // that has been stopped can stay mute when it is started once more.
    auto effect = std::make_unique<QSoundEffect>();
    // Queued: the answer to a status may be to let the effect go.
    connect(effect.get(), &QSoundEffect::statusChanged, this, onStatus, Qt::QueuedConnection);
    effect->setSource(url);
    return effect;
}

bool CQtAudioBackEnd::PlayLoop(const std::string& path, LoopFailed onFailed) {
    Stop();
    const QString file = QString::fromStdString(path);
    // Refused at once when it cannot be a wave file, so that the alarm can
    // fall back to the beep from its first tick.
    if (file.isEmpty() || !LooksLikeWave(file)) return false;
    m_pLoop = LoadEffect(file, &CQtAudioBackEnd::OnLoopStatus);
    m_pLoop->setLoopCount(QSoundEffect::Infinite);
    m_pLoop->play();
    m_loopFailed = std::move(onFailed);
    m_loopLoading.start();
    return true;
}

void CQtAudioBackEnd::Stop() {
    m_loopLoading.stop();
    m_loopFailed = nullptr;
    Discard(m_pLoop);
}

void CQtAudioBackEnd::OnLoopStatus() {
    if (!m_pLoop) return;
    if (m_pLoop->status() == QSoundEffect::Ready) m_loopLoading.stop();
    // A file that looked right but cannot be decoded.
    if (m_pLoop->status() == QSoundEffect::Error) FailLoop();
}

void CQtAudioBackEnd::FailLoop() {
    const LoopFailed failed = std::move(m_loopFailed);
    Stop();
    if (failed) failed();
}

void CQtAudioBackEnd::CheckFile(const std::string& path, FileChecked answer) {
    m_fileChecked = nullptr;
    Discard(m_pCheck);
    const QString file = QString::fromStdString(path);
    if (file.isEmpty() || !LooksLikeWave(file)) {
        if (answer) answer(false);
        return;
    }
    m_fileChecked = std::move(answer);
    m_pCheck = LoadEffect(file, &CQtAudioBackEnd::OnCheckStatus);
    m_checkLoading.start();
}

void CQtAudioBackEnd::OnCheckStatus() {
    if (!m_pCheck) return;
    const QSoundEffect::Status status = m_pCheck->status();
    if (status == QSoundEffect::Ready || status == QSoundEffect::Error)
        AnswerCheck(status == QSoundEffect::Ready);
}

void CQtAudioBackEnd::AnswerCheck(bool playable) {
    m_checkLoading.stop();
    Discard(m_pCheck); // done with the file
    const FileChecked answer = std::move(m_fileChecked);
    m_fileChecked = nullptr;
    if (answer) answer(playable);
}

int CQtAudioBackEnd::OutputDeviceCount() const {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

void CQtAudioBackEnd::Beep() {
    if (OutputDeviceCount() == 0 || !m_beep.Beep()) QApplication::beep();
}
