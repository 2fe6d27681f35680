#pragma once
// Turns the signals that ask a program to end (SIGTERM, SIGINT, SIGHUP; the
// desktop session sends SIGTERM when it closes) into a Qt signal on the
// user-interface thread, so the program ends the same way as from its menu:
// icon removed, data saved.

#include <QObject>

class QSocketNotifier;

class CSignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit CSignalWatcher(QObject* parent = nullptr);
    ~CSignalWatcher() override;

signals:
    void EndRequested();

private:
    static void Handler(int signal);
    void OnReadable();

    QSocketNotifier* m_notifier = nullptr;
};
