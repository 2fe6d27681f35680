#pragma once
// What the calendar may do with a note: which of the note commands apply to
// it, the question before a delete, and when a new note starts.

#include "zadad/OleDateTime.h"

#include <string>
#include <vector>

class CNote;

// Holidays are the holiday list's; a note whose alarm rings now belongs to
// its ringing window until it is acknowledged. A history copy is not copied.
bool CanEditNote(const CNote& note);
bool CanCloneNote(const CNote& note);
bool CanDeleteNote(const CNote& note);
// Whether the note may be dragged out onto the desktop.
bool CanDragNote(const CNote& note);

struct NoteMenuEntry {
    int nCommand;
    std::string strText;
    bool bEnabled;
};
// The cell's context menu with the note selected (or none): "New", then for
// a note that is no holiday "Update", "Clone" (not for a history copy) and
// "Delete", shown disabled while its alarm rings.
std::vector<NoteMenuEntry> NoteMenuEntries(const CNote* note);

// Do you want to delete "<title> "?
std::string DeleteQuestion(const CNote& note);

// Where a note made on day starts: at 09:00, or on today's cell at the next
// full hour after now, which is the next day's 00:00 late in the evening.
COleDateTime NewNoteStart(const COleDateTime& day, const COleDateTime& now);
