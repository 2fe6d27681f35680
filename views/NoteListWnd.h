#pragma once
// CNoteListWnd: the list view of the calendar window. It lists the notes of
// a period (today, this week, this month or all) of the chosen category,
// sorted by time or title as the sort header says, and passes the window's
// note commands on to its list.

#include <QWidget>

class CCalendarActions;
class CCalendarData;
class CNoteList;

class CNoteListWnd : public QWidget {
    Q_OBJECT
public:
    // Starts with the period of the stored filter, sorted by time, ascending.
    CNoteListWnd(CCalendarData& data, CCalendarActions& actions, QWidget* parent = nullptr);

    // 0 today, 1 this week, 2 this month, 3 all; stored as the list filter.
    void SetPeriod(int period);
    int Period() const { return m_nPeriod; }
    int SortOrder() const { return m_nSortOrder; }
    // Lists the notes again from the data.
    void Refill();
    // Lists the notes again and shows the window.
    void ShowList();
    // The note commands 101 to 104 of the calendar window's toolbar.
    void OnCommand(int command);

    CNoteList& List() const { return *m_pList; }

private:
    void OnHeaderClicked(int column);

    CCalendarData& m_data;
    CNoteList* m_pList;
    int m_nPeriod;
    int m_nSortOrder;
};
