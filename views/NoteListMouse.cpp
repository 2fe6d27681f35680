// The notes list under the mouse and the keyboard: the menu, double-click,
// Ctrl+A, Ctrl+Alt+Up and Down, and dragging notes out onto the desktop.
#include "views/NoteList.h"

#include "views/CalendarActions.h"
#include "views/NoteCommands.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {

constexpr Qt::KeyboardModifiers kMoveModifiers = Qt::ControlModifier | Qt::AltModifier;

} // namespace

void CNoteList::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    const bool up = event->key() == Qt::Key_Up;
    if ((up || event->key() == Qt::Key_Down) &&
        (event->modifiers() & kMoveModifiers) == kMoveModifiers) {
        MoveSelected(up ? 1 : -1);
        return;
    }
    QTableView::keyPressEvent(event);
}

void CNoteList::contextMenuEvent(QContextMenuEvent* event) {
    if (m_bDragging) return;
    QMenu menu(this);
    FillMenu(menu);
    menu.exec(event->globalPos());
}

void CNoteList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    CancelDrag();
    if (!SelectedRows().empty()) OnCommand(kNoteCmdEdit);
}

// The right button never changes the selection: the menu acts on what was
// selected. During a drag it cancels the drag.
void CNoteList::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        CancelDrag();
        event->accept();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        QTableView::mousePressEvent(event);
        return;
    }
    m_bLeftHeld = true;
    m_pressPos = event->position().toPoint();
    // A plain press on a selected row may start dragging the whole selection,
    // so the selection waits for the release.
    const int row = rowAt(m_pressPos.y());
    const bool plain = (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) == 0;
    if (plain && row >= 0 && selectionModel()->isRowSelected(row, QModelIndex())) {
        m_nPressedSelectedRow = row;
        selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
        return;
    }
    m_nPressedSelectedRow = -1;
    QTableView::mousePressEvent(event);
}

void CNoteList::mouseMoveEvent(QMouseEvent* event) {
    if (!m_bLeftHeld) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    const int distance = (event->position().toPoint() - m_pressPos).manhattanLength();
    if (!m_bDragging && distance >= QApplication::startDragDistance() && !SelectedRows().empty())
        StartDrag();
}

void CNoteList::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_bLeftHeld) {
        QTableView::mouseReleaseEvent(event);
        return;
    }
    m_bLeftHeld = false;
    if (m_bDragging) {
        EndDrag(event->globalPosition().toPoint());
        return;
    }
    if (m_nPressedSelectedRow >= 0) selectRow(m_nPressedSelectedRow);
    m_nPressedSelectedRow = -1;
    QTableView::mouseReleaseEvent(event);
}

void CNoteList::StartDrag() {
    m_bDragging = true;
    viewport()->setCursor(SelectedRows().size() > 1 ? m_dragMany : m_dragOne);
}

void CNoteList::EndDrag(const QPoint& screenPos) {
    CancelDrag();
    std::vector<CNote*> notes;
    for (int row : SelectedRows()) {
        if (CNote* note = NoteAt(row)) notes.push_back(note);
    }
    if (!notes.empty()) m_actions.ShowNotesAt(notes, screenPos);
}

void CNoteList::CancelDrag() {
    m_bDragging = false;
    m_bLeftHeld = false;
    m_nPressedSelectedRow = -1;
    viewport()->unsetCursor();
}
