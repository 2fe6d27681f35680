#include "shell/SingleInstance.h"

#include "zadad/Utility.h"

#include <fcntl.h>
#include <sys/file.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A command line is one short line; anything longer is no copy of ours.
constexpr qint64 kMaxCommandBytes = 4096;
constexpr int kConnectTimeoutMs = 5000;

// A directory only this user can enter: made when missing, refused when it is
// a link, belongs to someone else or cannot be made private.
bool IsPrivateDirectory(const QByteArray& path) {
    mkdir(path.constData(), 0700);
    struct stat info {};
    if (lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid())
        return false;
    return (info.st_mode & 077) == 0 || chmod(path.constData(), 0700) == 0;
}

} // namespace

QString CSingleInstance::DefaultName() {
    const QString name = qEnvironmentVariable("ORRINDALE_INSTANCE");
    return name.isEmpty() ? QStringLiteral("OrrindaleTrayIconHandler") : name;
}

CSingleInstance::CSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), m_name(name) {}

CSingleInstance::~CSingleInstance() {
    Release();
}

QString CSingleInstance::RuntimeDirectory() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && QDir(runtime).exists()) return runtime;
    // The shared temporary directory is open to everyone: another user must
    // not be able to take the names first.
    const QString own = QDir::tempPath() + QStringLiteral("/orrindale-%1").arg(getuid());
    if (IsPrivateDirectory(QFile::encodeName(own))) return own;
    QString home = QString::fromStdString(CUtility::GetAppPath());
    home.chop(1);
    return home;
}

QString CSingleInstance::SocketPath() const {
    return RuntimeDirectory() + QStringLiteral("/%1-%2").arg(m_name).arg(getuid());
}

QString CSingleInstance::LockPath() const {
    return SocketPath() + QStringLiteral(".lock");
}

bool CSingleInstance::TryLock() {
    // The lock is the kernel's, on an open file: it goes with the process
    // however the process ends, so nothing a copy leaves behind (a file
    // half written when it was killed among them) can block the next start.
    // The file itself is never removed: a copy that removed it could leave
    // two copies, each holding a file of the same name.
    m_lock = CFileDescriptor(QFile::encodeName(LockPath()).toStdString(), O_RDWR | O_CREAT, 0600);
    if (!m_lock.IsOpen()) {
        qWarning("orrindale: cannot make the lock file %s; other copies will not be noticed",
                 qPrintable(LockPath()));
        return true;
    }
    if (flock(m_lock.Get(), LOCK_EX | LOCK_NB) == 0) return true;
    m_lock.Close();
    return false;
}

bool CSingleInstance::Listen() {
    // This copy holds the lock, so a socket file found here was left behind
    // by a copy that ended without cleaning up.
    QLocalServer::removeServer(SocketPath());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(SocketPath())) {
        qWarning("orrindale: later copies cannot reach this one: %s",
                 qPrintable(m_server->errorString()));
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
    return true;
}

void CSingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadCommand(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The line may have come with the connection.
        if (socket->bytesAvailable() > 0) ReadCommand(socket);
    }
}

void CSingleInstance::ReadCommand(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxCommandBytes) socket->abort();
        return;
    }
    QString line = QString::fromUtf8(socket->readLine(kMaxCommandBytes));
    if (line.endsWith(QLatin1Char('\n'))) line.chop(1);
    // A copy that said "exit" waits for the connection to close, which it
    // does when this process ends; any other copy is let go at once.
    if (line != QLatin1String("exit")) socket->disconnectFromServer();
    emit CommandReceived(line);
}

void CSingleInstance::Release() {
    if (m_server) {
        m_server->close();
        delete m_server; // closes the connections of waiting copies
        m_server = nullptr;
    }
    m_lock.Close();
}

bool CSingleInstance::Notify(const QString& commandLine, int timeoutMs) {
    QLocalSocket socket;
    // The first copy takes its lock a moment before it listens: keep trying
    // for a while.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        socket.connectToServer(SocketPath());
        if (socket.waitForConnected(250)) break;
        if (waited.elapsed() > kConnectTimeoutMs) return false;
        QThread::msleep(50);
    }
    socket.write(commandLine.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(2000)) return false;
    if (commandLine == QLatin1String("exit")) {
        // Closed only when the running copy has saved and ended.
        if (socket.state() != QLocalSocket::UnconnectedState &&
            !socket.waitForDisconnected(timeoutMs))
            return false;
    }
    return true;
}
