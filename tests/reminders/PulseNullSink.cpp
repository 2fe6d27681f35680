#include "tests/reminders/PulseNullSink.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int kStartMs = 5000;
constexpr int kReadyMs = 10000;
constexpr int kCommandMs = 3000;
constexpr int kPollMs = 100;
const QString kSink = QStringLiteral("orrindale_null");

void EndProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (process.waitForFinished(kCommandMs)) return;
    process.kill();
    process.waitForFinished(kCommandMs);
}

} // namespace

CPulseNullSink::~CPulseNullSink() {
    EndProcess(m_recorder);
    EndProcess(m_daemon);
    if (m_bServerSet) {
        if (m_previousServer.isNull())
            qunsetenv("PULSE_SERVER");
        else
            qputenv("PULSE_SERVER", m_previousServer);
    }
}

QString CPulseNullSink::Server() const {
    return QStringLiteral("unix:") + m_dir.filePath(QStringLiteral("native"));
}

QString CPulseNullSink::Start() {
    for (const char* tool : {"pulseaudio", "pactl", "parec"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is not installed (packages pulseaudio, pulseaudio-utils)")
                .arg(QString::fromLatin1(tool));
    if (!m_dir.isValid()) return QStringLiteral("no temporary folder for the sound server");

    // Everything the daemon keeps goes into the temporary folder, so that it
    // neither meets nor disturbs a sound server the user runs.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_STATE_HOME"})
        env.insert(QString::fromLatin1(name), m_dir.path());
    env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("PULSE_STATE_PATH"), m_dir.filePath(QStringLiteral("state")));
    env.remove(QStringLiteral("PULSE_SERVER"));
    m_daemon.setProcessEnvironment(env);
    m_daemon.setProcessChannelMode(QProcess::MergedChannels);
    m_daemon.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                    QStringLiteral("--system=no"), QStringLiteral("--use-pid-file=no"),
                    QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--realtime=no"),
                    QStringLiteral("--high-priority=no"), QStringLiteral("--log-target=stderr"),
                    QStringLiteral("--load=module-null-sink sink_name=") + kSink,
                    QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") +
                        m_dir.filePath(QStringLiteral("native"))});
    if (!m_daemon.waitForStarted(kStartMs)) return QStringLiteral("pulseaudio does not start");
    if (!WaitForDaemon())
        return QStringLiteral("pulseaudio does not answer: ") +
               QString::fromLocal8Bit(m_daemon.readAll()).trimmed();
    if (!Control({QStringLiteral("set-default-sink"), kSink}))
        return QStringLiteral("the null sink cannot be made the default");

    m_previousServer = qgetenv("PULSE_SERVER");
    m_bServerSet = true;
    qputenv("PULSE_SERVER", Server().toLocal8Bit());
    return QString();
}

bool CPulseNullSink::Control(const QStringList& args) const {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), QStringList{QStringLiteral("-s"), Server()} + args);
    if (!pactl.waitForFinished(kCommandMs)) {
        pactl.kill();
        pactl.waitForFinished(kCommandMs);
        return false;
    }
    return pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
}

bool CPulseNullSink::WaitForDaemon() const {
    const QDeadlineTimer deadline(kReadyMs);
    while (!deadline.hasExpired()) {
        if (m_daemon.state() != QProcess::Running) return false;
        if (Control({QStringLiteral("info")})) return true;
        QThread::msleep(kPollMs);
    }
    return false;
}

bool CPulseNullSink::StartRecording() {
    m_recorder.start(QStringLiteral("parec"),
                     {QStringLiteral("-s"), Server(), QStringLiteral("-d"),
                      kSink + QStringLiteral(".monitor"), QStringLiteral("--raw"),
                      QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                      QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--latency-msec=50")});
    return m_recorder.waitForStarted(kStartMs);
}

std::size_t CPulseNullSink::RecordedSamples() const {
    return static_cast<std::size_t>(m_recorder.bytesAvailable()) / 2;
}

std::vector<std::int16_t> CPulseNullSink::StopRecording() {
    EndProcess(m_recorder);
    const QByteArray bytes = m_recorder.readAllStandardOutput();
    std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(2 * i)]);
        const auto high = static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(2 * i + 1)]);
        samples[i] = static_cast<std::int16_t>(low | high << 8);
    }
    return samples;
}
