#include "shell/SystemTrayIcon.h"

#include "shell/ClickDispatcher.h"

#include <QGuiApplication>
#include <QSystemTrayIcon>

CSystemTrayIcon::CSystemTrayIcon(QObject* parent) : CTrayIconHost(parent) {}

CSystemTrayIcon::~CSystemTrayIcon() {
    Remove();
}

bool CSystemTrayIcon::IsAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool CSystemTrayIcon::Add(const QIcon& icon, const QString& tip) {
    if (!IsAvailable()) return false;
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(icon, this);
        // No context menu of Qt's own: the right-click is ours, so that a
        // busy tray can answer it differently.
        connect(m_icon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    switch (reason) {
                    case QSystemTrayIcon::Trigger:
                        emit Clicked(HeldModifiers());
                        break;
                    case QSystemTrayIcon::DoubleClick:
                        emit DoubleClicked();
                        break;
                    case QSystemTrayIcon::Context:
                        emit RightClicked();
                        break;
                    default:
                        break;
                    }
                });
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(tip);
    m_icon->show();
    return m_icon->isVisible();
}

void CSystemTrayIcon::Remove() {
    if (!m_icon) return;
    m_icon->hide();
    delete m_icon;
    m_icon = nullptr;
}

bool CSystemTrayIcon::IsShown() const {
    return m_icon && m_icon->isVisible();
}

int CSystemTrayIcon::HeldModifiers() {
    // Read now, as the click arrives: the keys held while clicking.
    const Qt::KeyboardModifiers keys = QGuiApplication::queryKeyboardModifiers();
    if (keys & Qt::ShiftModifier) return CClickDispatcher::kShift;
    if (keys & Qt::ControlModifier) return CClickDispatcher::kControl;
    return CClickDispatcher::kNoModifier;
}
