#include "shell/SignalWatcher.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may only write to a descriptor; the event loop reads it.
int g_signalPipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

CSignalWatcher::CSignalWatcher(QObject* parent) : QObject(parent) {
    if (g_signalPipe[0] < 0 &&
        socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0) {
        qWarning("orrindale: cannot watch for end signals");
        return;
    }
    m_notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CSignalWatcher::OnReadable);
    struct sigaction action {};
    action.sa_handler = &CSignalWatcher::Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

CSignalWatcher::~CSignalWatcher() {
    for (const int signal : kSignals)
        std::signal(signal, SIG_DFL);
}

void CSignalWatcher::Handler(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_signalPipe[0], &byte, 1);
}

void CSignalWatcher::OnReadable() {
    char byte = 0;
    [[maybe_unused]] const ssize_t got = read(g_signalPipe[1], &byte, 1);
    emit EndRequested();
}
