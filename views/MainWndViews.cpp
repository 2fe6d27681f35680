// The calendar window's two views, the calendar and the notes list: which
// one is shown, the list's filter buttons, and where the note commands go.
#include "views/CalendarPane.h"
#include "views/MainWnd.h"
#include "views/MainWndButtons.h"
#include "views/MainWndCommands.h"
#include "views/NoteListWnd.h"

#include "store/CalendarData.h"

void CMainWnd::CreateList() {
    m_pList = new CNoteListWnd(m_data, m_actions, this);
    m_pList->hide();
}

bool CMainWnd::IsListCurrent() const {
    return m_pList && !m_pList->isHidden();
}

void CMainWnd::SwitchView(bool toCalendar) {
    if (toCalendar && IsListCurrent()) {
        m_pList->hide();
        m_data.m_bCalendarView = 1;
        m_pPane->Refresh(false);
        m_pPane->show();
    } else if (!toCalendar && !IsListCurrent()) {
        m_pPane->hide();
        m_data.m_bCalendarView = 0;
        m_pList->ShowList();
    }
    // The month title belongs to the calendar, the filter buttons to the list.
    DrawMonthTitle();
    m_pButtons->ShowSetFor(toCalendar);
}

void CMainWnd::RunNoteCommand(int note) {
    if (IsListCurrent())
        m_pList->OnCommand(note);
    else
        m_pPane->OnCommand(note);
}

void CMainWnd::SetListFilter(int command) {
    m_pList->SetPeriod(command - kMainFilterToday);
    m_pButtons->LatchFilter(m_data.m_nListFilter);
}

void CMainWnd::RefreshCurrentView() {
    if (IsListCurrent())
        m_pList->Refill();
    else
        m_pPane->Refresh(false);
}
