#include "shell/SleepWatcher.h"

#include <QDBusConnection>

CSleepWatcher::CSleepWatcher(QObject* parent) : QObject(parent) {
    QDBusConnection::systemBus().connect(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
        SLOT(OnPrepareForSleep(bool)));
}

void CSleepWatcher::OnPrepareForSleep(bool sleeping) {
    emit Sleeping(sleeping);
}
