#pragma once
// What the calendar window asks of the program, done the way the tray does
// it: the note editor through the one edit router (a note on the desktop is
// edited through its own window), notes put on the desktop by the note
// windows, changes saved by the tray a few seconds later, the options sheet
// followed by the new texture colours and the desktop notes, and the manual
// and home page of the tray's Help menu.

#include "views/CalendarActions.h"

class CNoteEditRouter;
class CNoteWindowManager;
class CTrayWnd;

class CTrayCalendarActions : public CCalendarActions {
public:
    // windows may be null while the program has no note windows.
    CTrayCalendarActions(CTrayWnd& tray, CNoteEditRouter& router, CNoteWindowManager* windows);

    bool EditNote(CNote* note, const COleDateTime& start, QWidget* parent) override;
    void ShowNotesAt(const std::vector<CNote*>& notes, const QPoint& screenPos) override;
    void NotesChanged() override;
    bool RunOptions(QWidget* parent) override;
    void OpenHelp() override;
    void OpenHomePage() override;

    // True while one of the calendar's own actions runs: the notes that
    // change then are the calendar's doing, and it reads them again itself.
    bool IsActing() const { return m_nActing > 0; }

private:
    // Counts the calendar's actions in progress while it lives.
    class CActing;

    CTrayWnd& m_tray;
    CNoteEditRouter& m_router;
    CNoteWindowManager* m_pWindows;
    int m_nActing = 0;
};
