#include "views/FrameMouse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

Qt::Edges EdgesOf(FrameZone zone) {
    Qt::Edges edges;
    if (MovesLeft(zone)) edges |= Qt::LeftEdge;
    if (MovesRight(zone)) edges |= Qt::RightEdge;
    if (MovesTop(zone)) edges |= Qt::TopEdge;
    if (MovesBottom(zone)) edges |= Qt::BottomEdge;
    return edges;
}

} // namespace

bool CFrameMouse::Press(const QMouseEvent& event, FrameZone zone) {
    if (zone == FrameZone::Client) return false;
    m_pressGlobal = event.globalPosition().toPoint();
    m_startGeometry = m_window.geometry();
    // A press on the caption may be the first half of a double-click: the
    // move starts only once the mouse moves.
    m_bMovePending = zone == FrameZone::Caption;
    m_zone = zone;
    if (!m_bMovePending && StartedByManager()) m_zone = FrameZone::Client;
    return true;
}

bool CFrameMouse::StartedByManager() const {
    QWindow* handle = m_window.windowHandle();
    if (!handle) return false;
    return m_zone == FrameZone::Caption ? handle->startSystemMove()
                                        : handle->startSystemResize(EdgesOf(m_zone));
}

bool CFrameMouse::Move(const QMouseEvent& event) {
    if (!IsDragging()) return false;
    const QPoint delta = event.globalPosition().toPoint() - m_pressGlobal;
    if (m_bMovePending) {
        if (delta.manhattanLength() < QApplication::startDragDistance()) return true;
        m_bMovePending = false;
        if (StartedByManager()) {
            m_zone = FrameZone::Client;
            return true;
        }
    }
    if (m_zone == FrameZone::Caption)
        m_window.move(m_startGeometry.topLeft() + delta);
    else
        m_window.setGeometry(
            ResizedGeometry(m_startGeometry, m_zone, delta, m_window.minimumSize()));
    return true;
}

bool CFrameMouse::Release(const QMouseEvent& event) {
    if (!IsDragging()) return false;
    if (!m_bMovePending) Move(event);
    m_bMovePending = false;
    m_zone = FrameZone::Client;
    return true;
}

Qt::CursorShape CFrameMouse::CursorFor(FrameZone zone) {
    switch (zone) {
    case FrameZone::Left:
    case FrameZone::Right:
        return Qt::SizeHorCursor;
    case FrameZone::Top:
    case FrameZone::Bottom:
        return Qt::SizeVerCursor;
    case FrameZone::TopLeft:
    case FrameZone::BottomRight:
        return Qt::SizeFDiagCursor;
    case FrameZone::TopRight:
    case FrameZone::BottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}
