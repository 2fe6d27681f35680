#pragma once
// The icon in the desktop's notification area.

#include "shell/TrayIconHost.h"

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

private:
    static int HeldModifiers();

    QSystemTrayIcon* m_icon = nullptr;
};
