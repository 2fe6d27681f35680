#pragma once
// Moving and resizing a window that has no frame of the window manager's:
// the window manager is asked to do it, as it does for framed windows; when
// there is none (or it declines), the window follows the mouse itself.

#include "views/FrameHitTest.h"

#include <QCursor>
#include <QPoint>
#include <QRect>

class QMouseEvent;
class QWidget;

class CFrameMouse {
public:
    explicit CFrameMouse(QWidget& window) : m_window(window) {}

    // A left press in zone: starts a move (caption) or a resize (edges).
    // False for any other zone.
    bool Press(const QMouseEvent& event, FrameZone zone);
    // While moving or resizing by hand: true when the event was taken.
    bool Move(const QMouseEvent& event);
    bool Release(const QMouseEvent& event);
    bool IsDragging() const { return m_zone != FrameZone::Client; }

    // The cursor that shows what a press in zone would do.
    static Qt::CursorShape CursorFor(FrameZone zone);

private:
    bool StartedByManager() const;

    QWidget& m_window;
    FrameZone m_zone = FrameZone::Client;
    QPoint m_pressGlobal;
    QRect m_startGeometry;
    bool m_bMovePending = false;
};
