#pragma once
// The icon in the desktop's notification area.

#include "shell/TrayIconHost.h"

#include <QPointer>
#include <QWidget>
#include <QWidgetList>

class QEventLoop;
class QSystemTrayIcon;

class CSystemTrayIcon : public CTrayIconHost {
    Q_OBJECT
public:
    explicit CSystemTrayIcon(QObject* parent = nullptr);
    ~CSystemTrayIcon() override;

    bool IsAvailable() const override;
    bool Add(const QIcon& icon, const QString& tip) override;
    void Remove() override;
    bool IsShown() const override;
    void WaitUntilDrawn(int timeoutMs) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static int HeldModifiers();
    void WatchNewWindow(const QWidgetList& before);

    QSystemTrayIcon* m_icon = nullptr;
    // The window the icon draws itself in (X embedding), while waiting for
    // its first paint; trays that draw icons themselves make none.
    QPointer<QWidget> m_pDrawnIn;
    bool m_bDrawn = false;
    QEventLoop* m_pWaiting = nullptr;
};
