#pragma once
// The one way the program opens the note editor. A note that sits on the
// desktop is edited through its own window's "Properties", so that the
// window follows the new note object; the window calls back here. Notes that
// are open in an editor already, holidays and ringing notes are refused.

#include "zadad/OleDateTime.h"
#include "zadad/WinTypes.h"

class CCalendarData;
class CNote;
class QWidget;

class CNoteEditRouter {
public:
    explicit CNoteEditRouter(CCalendarData& data) : m_data(data) {}

    // Opens the editor on note (nullptr: a new note starting at date) with
    // parent. fromWindow is set when the note's own window asks. Returns the
    // dialog's result: QDialog::Accepted when a note was made or changed.
    int EditNote(CNote* note, QWidget* parent, const COleDateTime& date, BOOL fromWindow);
    // A new note starting an hour from now (the tray's "New Note" and its
    // double-click).
    int NewNote(QWidget* parent = nullptr);
    // The note window's "Properties": true when the editor put a new note
    // object in place of the old one.
    bool RunProperties(CNote& note, QWidget* parent);

private:
    int RunEditor(CNote* note, QWidget* parent, const COleDateTime& date, bool& replaced);

    CCalendarData& m_data;
    // The outcome of the last editor a note window ran.
    int m_nWindowResult = 0;
};
