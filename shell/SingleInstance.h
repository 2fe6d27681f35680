#pragma once
// One running copy per user. The first copy holds a lock file and listens on
// a local socket that only its owner can open; a later copy finds the lock
// taken, hands its command line to the first over that socket and ends.
// "exit" asks the first copy to save and end, and the later copy waits until
// it has. A lock or socket left behind by a copy that crashed never blocks a
// new start.

#include "store/FileDescriptor.h"

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class CSingleInstance : public QObject {
    Q_OBJECT
public:
    // The instance every copy of this user looks for: "OrrindaleTrayIconHandler",
    // unless $ORRINDALE_INSTANCE names another (tests run copies of their own).
    static QString DefaultName();

    explicit CSingleInstance(const QString& name, QObject* parent = nullptr);
    ~CSingleInstance() override;

    // Tries to become the running copy; needs no application object. True
    // when this process is the first copy, also when no lock can be made at
    // all (better a second copy than none).
    bool TryLock();
    // The first copy, once the application object exists: listens for later
    // copies. False when they cannot reach this one.
    bool Listen();

    // A later copy: hands commandLine to the running copy. With "exit" this
    // waits (up to timeoutMs) until the running copy has ended. False when
    // the running copy could not be reached.
    bool Notify(const QString& commandLine, int timeoutMs = 30000);

    // Where the socket and the lock live: the user's runtime directory, else
    // a directory of the user's own in the temporary directory.
    QString SocketPath() const;
    QString LockPath() const;

signals:
    // A later copy started with this command line ("exit", or anything else).
    void CommandReceived(const QString& commandLine);

public slots:
    // The running copy has saved and is ending: releases later copies
    // waiting on "exit" and lets a new copy start.
    void Release();

private:
    static QString RuntimeDirectory();
    void OnNewConnection();
    void ReadCommand(QLocalSocket* socket);

    QString m_name;
    CFileDescriptor m_lock;
    QLocalServer* m_server = nullptr;
};
