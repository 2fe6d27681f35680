#pragma once
// The notification-area icon as the tray sees it: whether there is a
// notification area, showing and removing the icon, and the mouse events
// coming from it. The program uses the system's tray; tests use their own.

#include <QIcon>
#include <QObject>
#include <QString>

class CTrayIconHost : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // A notification area exists now.
    virtual bool IsAvailable() const = 0;
    // Shows the icon; true when it is in a notification area.
    virtual bool Add(const QIcon& icon, const QString& tip) = 0;
    virtual void Remove() = 0;
    virtual bool IsShown() const = 0;
    // Lets the icon reach the screen before a long piece of start-up work
    // (at most timeoutMs). Trays that draw icons themselves need no wait.
    virtual void WaitUntilDrawn(int timeoutMs) { (void)timeoutMs; }

signals:
    // modifier: the CClickDispatcher modifier flags of the keys held down.
    void Clicked(int modifier);
    void DoubleClicked();
    void RightClicked();
};
