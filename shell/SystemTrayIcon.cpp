#include "shell/SystemTrayIcon.h"

#include "shell/ClickDispatcher.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <algorithm>

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
    const QWidgetList before = QApplication::topLevelWidgets();
    m_icon->show();
    WatchNewWindow(before);
    return m_icon->isVisible();
}

void CSystemTrayIcon::WatchNewWindow(const QWidgetList& before) {
    // With X embedding the icon is a small window of this program, drawn by
    // its own event loop; a tray that draws icons itself adds no window.
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (!before.contains(widget)) {
            m_pDrawnIn = widget;
            m_bDrawn = false;
            widget->installEventFilter(this);
            return;
        }
}

void CSystemTrayIcon::WaitUntilDrawn(int timeoutMs) {
    if (!m_pDrawnIn || m_bDrawn) return;
    // An event loop of its own sleeps until the tray answers; the first
    // paint or the time limit ends it.
    QEventLoop wait;
    QTimer::singleShot(timeoutMs, &wait, &QEventLoop::quit);
    connect(m_pDrawnIn, &QObject::destroyed, &wait, &QEventLoop::quit);
    m_pWaiting = &wait;
    wait.exec();
    m_pWaiting = nullptr;
}

bool CSystemTrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pDrawnIn && event->type() == QEvent::Paint) {
        m_bDrawn = true;
        m_pDrawnIn->removeEventFilter(this);
        if (m_pWaiting) m_pWaiting->quit();
    }
    return false;
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
    const Qt::KeyboardModifiers keys = QApplication::queryKeyboardModifiers();
    if (keys & Qt::ShiftModifier) return CClickDispatcher::kShift;
    if (keys & Qt::ControlModifier) return CClickDispatcher::kControl;
    return CClickDispatcher::kNoModifier;
}
