#pragma once
// A sound server of the test's own: a PulseAudio daemon with one null sink,
// living in a temporary runtime folder, and a recorder of what reaches that
// sink. It lets a test hear what the program really plays, without a sound
// card and without touching the user's own sound server. Every wait is
// bounded; the daemon goes with the object.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

class CPulseNullSink {
public:
    static constexpr int kRate = 8000; // recorded samples per second, mono

    CPulseNullSink() = default;
    ~CPulseNullSink();
    CPulseNullSink(const CPulseNullSink&) = delete;
    CPulseNullSink& operator=(const CPulseNullSink&) = delete;

    // Starts the daemon and points this process's sound at it; must come
    // before the first use of the audio devices. Empty when the daemon
    // runs, else the reason why it does not.
    QString Start();
    bool StartRecording();
    std::size_t RecordedSamples() const;
    // Stops recording; what reached the sink since StartRecording.
    std::vector<std::int16_t> StopRecording();

private:
    QString Server() const;
    bool Control(const QStringList& args) const;
    bool WaitForDaemon() const;

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_recorder;
    QByteArray m_previousServer;
    bool m_bServerSet = false;
};
