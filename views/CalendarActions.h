#pragma once
// What the calendar window asks of the rest of the program: the note editor,
// the notes' desktop windows, the options sheet, the manual and the home
// page. The program provides them when it opens the window; the calendar
// never reaches those windows itself, and tests hand in their own.

#include "zadad/OleDateTime.h"

#include <vector>

class CNote;
class QPoint;
class QWidget;

class CCalendarActions {
public:
    virtual ~CCalendarActions() = default;

    // Opens the note editor over parent on note, or on a new note starting
    // at start when note is null. True when a note was made or changed (the
    // edited note is then a new object under the same ID).
    virtual bool EditNote(CNote* note, const COleDateTime& start, QWidget* parent) = 0;
    // Puts the notes on the desktop from the screen point on, each 18 pixels
    // lower than the one before; holidays stay where they are.
    virtual void ShowNotesAt(const std::vector<CNote*>& notes, const QPoint& screenPos) = 0;
    // The calendar changed notes itself (a delete, a clone): they are saved soon.
    virtual void NotesChanged() = 0;
    // The options sheet over parent. True when it closed with OK; the data
    // file has then been written and read again, so every note is a new object.
    virtual bool RunOptions(QWidget* parent) = 0;
    // The bundled manual and the maker's home page.
    virtual void OpenHelp() = 0;
    virtual void OpenHomePage() = 0;
};

// A calendar nobody works in (one that is only printed or looked at): every
// request is refused and nothing happens.
class CNoCalendarActions : public CCalendarActions {
public:
    bool EditNote(CNote*, const COleDateTime&, QWidget*) override { return false; }
    void ShowNotesAt(const std::vector<CNote*>&, const QPoint&) override {}
    void NotesChanged() override {}
    bool RunOptions(QWidget*) override { return false; }
    void OpenHelp() override {}
    void OpenHomePage() override {}
};
