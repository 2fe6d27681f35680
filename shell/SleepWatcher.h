#pragma once
// Tells when the machine is about to sleep and when it has woken up, from the
// login manager on the system bus. Without a system bus it stays silent.

#include <QObject>

class CSleepWatcher : public QObject {
    Q_OBJECT
public:
    explicit CSleepWatcher(QObject* parent = nullptr);

signals:
    // true before sleeping, false after waking.
    void Sleeping(bool sleeping);

private slots:
    void OnPrepareForSleep(bool sleeping);
};
