#pragma once
// CalendarPane: the month grid (5 or 6 weeks under a row of weekday names)
// or the week grid (3 x 2 cells, Saturday over Sunday) of the calendar
// window. It asks the notes for one list per shown day, hands each to its
// day cell, keeps the selected day and note, moves through months and
// weeks, and tells the window which day is selected.

#include "res/Resources.h"
#include "views/CalendarGrid.h"
#include "views/DayCell.h"
#include "views/NoteCommands.h"
#include "zadad/OleDateTime.h"

#include <QCursor>
#include <QWidget>

#include <array>
#include <string>

class CCalendarActions;
class CCalendarData;
class CNote;
class CTipWnd;
class QPainter;

class CalendarPane : public QWidget {
    Q_OBJECT
public:
    CalendarPane(CCalendarData& data, CCalendarActions& actions, QWidget* parent = nullptr);
    ~CalendarPane() override;

    // Week mode: the week (Monday to Sunday) that holds date.
    void SetDate(const COleDateTime& date, bool restoreSelected);
    // Month mode: the month, for years 2000 to 2099.
    void SetDate(int year, int month, bool restoreSelected);
    // n months (month mode) or n weeks (week mode) on; nothing past 2000-2099.
    void Move(int n);
    // Lays the shown period out again from the notes. With restoreSelected
    // the selection keeps its place in the grid (after an edit or a clone).
    void Refresh(bool restoreSelected);
    // Month (true) or week (false) mode; nothing when already in it.
    void SetMode(bool month);
    // The period that holds date.
    void GoToDate(const COleDateTime& date);

    bool IsMonthMode() const;
    // The month the window's title names: the shown month, or in week mode
    // the month of the date the week was laid out for.
    int ShownYear() const;
    int ShownMonth() const;
    COleDateTime FirstShownDay() const;
    COleDateTime SelectedDate() const;
    // Where the cell of a shown day lies in the pane, and where its item-th
    // note was drawn; empty when not shown.
    QRect DayCellRect(const COleDateTime& day);
    QRect NoteItemRect(const COleDateTime& day, int item);

    // The note commands of the toolbar and of the cells' menu.
    void OnCommand(int command);

    // Draws the grid (the weekday row in month mode, the cells, the lines)
    // into rect: on screen as shown, or for printing in black on white with
    // printer fonts and no icons.
    void DrawGrid(QPainter& painter, const QRect& rect, bool printing);

signals:
    // After every selection and every layout: the selected day at 00:00.
    void SelectedDateChanged(const COleDateTime& date);
    // The pane moved to another period by itself (an edge click, a click
    // in week mode that changes the month): the title is to be redrawn.
    void PeriodChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // What the mouse does at a point: scroll the cell under it, move the
    // period at the pane's edges, or select; dragging a note out.
    enum class Cursor { Arrow, ScrollUp, ScrollDown, Back, Forward, Drag };

    void TakeSettings();
    void FillCells(bool restoreSelected);
    void FindSelectedItem();
    CCellLook MakeLook(bool printing, int scale) const;
    const QPixmap* IconsAt(qreal scale) const;
    int WeekdayRowHeight(const QFont& font, const QPaintDevice* device, bool printing) const;
    void DrawWeekdayRow(QPainter& painter, const QRect& row, const CCellLook& look,
                        const QFont& font) const;
    QRect GridArea(const QRect& rect) const;
    void LayOutCells(const QRect& rect);
    void EnsureLayout();

    int HitTest(const QPoint& point);
    void SelectAt(const QPoint& point);
    void ScrollCell(int cell, int n);
    Cursor CursorAt(const QPoint& point);
    void SetCursorKind(Cursor kind);
    void FollowSelectedMonth();
    void ShowTipAt(const QPoint& point);
    void EndDrag(const QPoint& globalPos);
    void ShowContextMenu(const QPoint& point, const QPoint& globalPos);

    CNote* SelectedNote() const;
    void EditOrCreate(CNote* note, const COleDateTime& day);
    void CloneSelected();
    void DeleteSelected();

    CCalendarData& m_data;
    CCalendarActions& m_actions;
    CCalendarGrid m_grid;
    std::array<CDayCell, CCalendarGrid::kMaxCells> m_cells;
    // The selected note by ID (notes are replaced when edited) and its item.
    WORD m_wSelectedNote = 0;
    int m_nSelectedItem = -1;
    QRect m_rcLaidOut;

    bool m_bPressed = false;
    bool m_bDragging = false;
    QPoint m_ptPress;
    QPoint m_ptTipAnchor;
    CTipWnd* m_pTip = nullptr;
    Cursor m_cursor = Cursor::Arrow;
    std::array<QCursor, 6> m_cursors;
    // The note images, made for the screen's scale when first drawn on it.
    mutable std::array<QPixmap, resources::kNoteIconCount> m_icons;
    mutable qreal m_rIconScale = 0;

    bool m_bWeekStartsSunday = true;
    std::string m_strTimeFormat;
};
