#pragma once
// CMainWnd: the calendar window. A borderless window that paints its own
// textured frame and hosts the toolbar, the category box with the "History"
// and "Recurrence" check boxes, the month title with its drop-down list of
// months, the navigation arrows, the calendar (month or week) and the
// almanac line of the selected day. It is moved by its caption, resized by
// its edges and maximized by its button or a double-click on the caption;
// its size is kept in the settings when it closes. Everything it cannot do
// itself (the editor, the options, the manual) it asks of the program
// through CCalendarActions.

#include "almanac/AlmanacLine.h"
#include "views/FrameLayout.h"
#include "views/FrameMouse.h"
#include "views/FramePainter.h"
#include "zadad/Picture.h"

#include <QDialog>
#include <QImage>
#include <QPointer>

#include <memory>

class CCalendarActions;
class CCalendarData;
class CMainWndButtons;
class CMonthListPopup;
class CNoteListWnd;
class CRegionButton;
class CalendarPane;
class QCheckBox;
class QComboBox;

class CMainWnd : public QDialog {
    Q_OBJECT
public:
    // The size the window opens at when no size was saved.
    static constexpr QSize kDefaultSize{860, 640};

    CMainWnd(CCalendarData& data, CCalendarActions& actions, QWidget* parent = nullptr);
    ~CMainWnd() override;

    // The notes changed somewhere else (a note window, an alarm): the views
    // let go of the notes they show and read them again, keeping the selection.
    void NotesChangedElsewhere();
    // Runs a command of the window, as its control would.
    void RunCommand(int id);

    bool IsZoomed() const { return m_bZoomed; }
    void ToggleZoom();
    // The month list under the title, opened at x (client coordinates).
    void OpenMonthList(int x);
    CMonthListPopup* MonthList() const;

    // The month title as shown, empty when the calendar is not the view.
    QString MonthTitleText() const;
    QRect DropMarkRect() const;
    const CFrameLayout& Layout() const { return m_layout; }
    const AlmanacLine& Almanac() const { return m_almanac; }
    // Whether the almanac line shows sunrise and sunset now.
    bool ShowsSunTimes() const;
    CalendarPane* Pane() const { return m_pPane; }
    CNoteListWnd* NoteList() const { return m_pList; }
    // The calendar (true) or the notes list becomes the view; asked for the
    // view shown, it only brings the title and the buttons up to date.
    void SwitchView(bool toCalendar);
    bool IsListCurrent() const;
    CRegionButton* Button(int id) const;
    QComboBox* CategoryBox() const { return m_pCategory; }
    QCheckBox* HistoryBox() const { return m_pHistory; }
    QCheckBox* RecurrenceBox() const { return m_pRecurrence; }

public slots:
    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void CreateControls();
    void CreatePane();
    void CreateList();
    void RunNoteCommand(int note);
    void SetListFilter(int command);
    void RefreshCurrentView();
    void FillCategories();
    void LoadTextures();
    void ApplyColors();
    void Measure();
    void LayOut();
    void PlaceOnScreen();
    void RunOptions();
    void ApplyOptions();
    void RefreshViews();
    void SetMonthMode(bool month);
    void MoveBy(int command);
    void OnMonthChosen(int chosen);
    void OnCategoryChosen(int index);
    void UpdateAlmanac(const COleDateTime& date);
    void DrawMonthTitle();

    CCalendarData& m_data;
    CCalendarActions& m_actions;
    CPicture m_windowTexture;
    CPicture m_toolbarTexture;
    CFrameLook m_look;
    CFrameMeasures m_measures;
    CFrameLayout m_layout;
    QImage m_frame; // the frame as last painted, for the size it was painted at
    CFrameMouse m_mouse;
    CMainWndButtons* m_pButtons = nullptr;
    QComboBox* m_pCategory = nullptr;
    QCheckBox* m_pHistory = nullptr;
    QCheckBox* m_pRecurrence = nullptr;
    CalendarPane* m_pPane = nullptr;
    CNoteListWnd* m_pList = nullptr;
    QPointer<CMonthListPopup> m_pMonthList;
    AlmanacLine m_almanac;
    bool m_bZoomed = false;
    QRect m_rcRestore; // the size and place to return to from maximized
};
