// The note window under the mouse and the keyboard: the pin and close
// buttons, moving by the caption, resizing by the edges, rolling up by a
// double click, the title edited in place and the note menu.
#include "reminders/NoteHitTest.h"
#include "reminders/NoteLayout.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/NoteWnd.h"
#include "store/Note.h"
#include "views/RichTextField.h"
#include "zadad/QtTypes.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

namespace {

Qt::Edges ToQtEdges(int edges) {
    Qt::Edges out;
    if (edges & CNoteHitTest::kEdgeLeft) out |= Qt::LeftEdge;
    if (edges & CNoteHitTest::kEdgeTop) out |= Qt::TopEdge;
    if (edges & CNoteHitTest::kEdgeRight) out |= Qt::RightEdge;
    if (edges & CNoteHitTest::kEdgeBottom) out |= Qt::BottomEdge;
    return out;
}

Qt::CursorShape EdgeCursor(int edges) {
    using H = CNoteHitTest;
    switch (edges) {
    case H::kEdgeLeft:
    case H::kEdgeRight:
        return Qt::SizeHorCursor;
    case H::kEdgeTop:
    case H::kEdgeBottom:
        return Qt::SizeVerCursor;
    case H::kEdgeLeft | H::kEdgeTop:
    case H::kEdgeRight | H::kEdgeBottom:
        return Qt::SizeFDiagCursor;
    case H::kEdgeRight | H::kEdgeTop:
    case H::kEdgeLeft | H::kEdgeBottom:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

void CNoteWnd::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    const CNoteHitTest::Part part = CNoteHitTest::HitCaption(pos.x(), pos.y(), width(), m_nCaption);
    const bool desktop = !m_bAlarm && m_pNote;
    if (event->button() == Qt::RightButton) {
        if (desktop && part == CNoteHitTest::kPin)
            ShowNoteMenu(global);
        else if (desktop && part == CNoteHitTest::kCaption)
            BeginTitleEdit();
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    if (desktop && part == CNoteHitTest::kPin) {
        if (!m_bMenuOpen && !(event->modifiers() & (Qt::AltModifier | Qt::ShiftModifier)))
            TogglePin();
        return;
    }
    if (desktop && part == CNoteHitTest::kClose) {
        CloseNote();
        return;
    }
    const int edges = desktop ? CNoteHitTest::HitEdges(pos.x(), pos.y(), width(), height())
                              : CNoteHitTest::kEdgeNone;
    if (edges != CNoteHitTest::kEdgeNone) {
        if (windowHandle() && windowHandle()->startSystemResize(ToQtEdges(edges))) return;
        m_drag.BeginResize(ToRect(geometry()), edges, global.x(), global.y(),
                           CNoteLayout::MinWidth(RolledUpHeight()), RolledUpHeight());
        return;
    }
    if (part == CNoteHitTest::kCaption) {
        if (windowHandle() && windowHandle()->startSystemMove()) return;
        m_drag.BeginMove(ToRect(geometry()), global.x(), global.y());
    }
}

void CNoteWnd::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (m_drag.IsActive()) {
        setGeometry(ToQRect(m_drag.Follow(global.x(), global.y())));
        return;
    }
    const QPoint pos = event->position().toPoint();
    const int edges = m_bAlarm ? CNoteHitTest::kEdgeNone
                               : CNoteHitTest::HitEdges(pos.x(), pos.y(), width(), height());
    setCursor(EdgeCursor(edges));
}

void CNoteWnd::mouseReleaseEvent(QMouseEvent*) {
    m_drag.End();
}

void CNoteWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton || m_bAlarm || !m_pNote) return;
    if (CNoteHitTest::HitCaption(pos.x(), pos.y(), width(), m_nCaption) == CNoteHitTest::kCaption)
        ToggleRoll();
}

void CNoteWnd::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_bAlarm) {
        AcknowledgeAlarm();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CNoteWnd::TogglePin() {
    m_pNote->m_bTopMost = !m_pNote->m_bTopMost;
    SetTopMost(m_pNote->m_bTopMost);
    raise();
    update();
    m_manager.NotesChanged();
}

void CNoteWnd::ToggleRoll() {
    const int rolledUp = RolledUpHeight();
    const int target = IsRolledUp() ? CNoteLayout::UnrolledHeight(m_pNote->m_rcWindowAlt.Height(),
                                                                  m_nCaption, rolledUp)
                                    : rolledUp;
    resize(width(), target);
}

void CNoteWnd::BeginTitleEdit() {
    m_bEditingTitle = true;
    m_pTitle->show();
    m_pTitle->raise();
    m_pTitle->setFocus(Qt::MouseFocusReason);
    m_pTitle->selectAll();
    update();
}

void CNoteWnd::EndTitleEdit() {
    if (!m_bEditingTitle) return;
    m_bEditingTitle = false;
    StoreFields();
    m_pTitle->hide();
    update();
}

bool CNoteWnd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_pTitle)
            EndTitleEdit();
        else if (watched == m_pText)
            StoreFields();
    }
    return QWidget::eventFilter(watched, event);
}

void CNoteWnd::ShowNoteMenu(const QPoint& globalPos) {
    StoreFields();
    const std::unique_ptr<QMenu> menu = CreateNoteMenu();
    m_bMenuOpen = true;
    const QPointer<CNoteWnd> self(this);
    const QAction* chosen = menu->exec(globalPos);
    if (!self) return; // the note went away while the menu was open
    m_bMenuOpen = false;
    if (chosen) RunCommand(chosen->data().toInt());
}
