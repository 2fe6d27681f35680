#pragma once
// CNoteList: the report of the notes list, one row per note in four
// columns under the sort header, each row drawn with the note's image. It
// carries the list's note commands ("New", "Update", "Clone", "Delete"),
// selects every row with Ctrl+A, moves the selected notes by a day with
// Ctrl+Alt+Up and Ctrl+Alt+Down and lets them be dragged out onto the desktop.

#include "zadad/OleDateTime.h"
#include "zadad/WinTypes.h"

#include <QCursor>
#include <QPoint>
#include <QTableView>

#include <vector>

class CCalendarActions;
class CCalendarData;
class CNote;
class CNoteListModel;
class CSortHeaderCtrl;
class QMenu;

class CNoteList : public QTableView {
    Q_OBJECT
public:
    CNoteList(CCalendarData& data, CCalendarActions& actions, QWidget* parent = nullptr);

    CSortHeaderCtrl& Header() const { return *m_pHeader; }

    // The rows of the notes, in order, in the form of the period. Grid lines
    // show only while there are rows.
    void Fill(const std::vector<CNote*>& notes, int period);
    int RowCount() const;
    // The rows hold note IDs: a note that has gone since is no longer found.
    CNote* NoteAt(int row) const;
    QString Text(int row, int column) const;
    // The selected rows, top to bottom.
    std::vector<int> SelectedRows() const;

    // The note commands 101 to 104, from the menu or the window's toolbar.
    void OnCommand(int command);

    // The menu of the selection (built, not shown).
    void FillMenu(QMenu& menu);

signals:
    // The notes changed through the list: the window lists them again.
    void RefillRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void SetUpColumns();
    void LayOutColumns(bool start);

    void Edit(CNote* note);
    void CloneFirstSelected();
    void DeleteSelected();
    void MoveSelected(int days);

    void StartDrag();
    void EndDrag(const QPoint& screenPos);
    void CancelDrag();

    CCalendarData& m_data;
    CCalendarActions& m_actions;
    CSortHeaderCtrl* m_pHeader;
    CNoteListModel* m_pModel;
    int m_nPeriod = 3;
    bool m_bLaidOut = false;

    // Dragging: the left button is held since the press at m_pressPos; a
    // press on a row already selected keeps the selection until release.
    bool m_bLeftHeld = false;
    bool m_bDragging = false;
    int m_nPressedSelectedRow = -1;
    QPoint m_pressPos;
    QCursor m_dragOne;
    QCursor m_dragMany;
};
