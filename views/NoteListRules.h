#pragma once
// What the notes list's commands may do beyond what the calendar's may
// (NoteCommandRules): its context menu, the question before a delete, moving
// notes by a day, and the sort a header click asks for.

#include "views/NoteCommandRules.h"

#include <string>
#include <vector>

class CNote;

// "New"; with a first selected note that is no holiday also "Update",
// "Clone" and "Delete", whatever that note's state: each command then
// decides what it can do with the selection.
std::vector<NoteMenuEntry> NoteListMenu(const CNote* firstSelected);

// "Delete 3 Note(s) ?"
std::string NoteListDeleteQuestion(int selectedRows);
inline constexpr const char* kNoteListDeleteCaption = "Warning !";

// Moves the note by days (Ctrl+Alt+Up one later, Ctrl+Alt+Down one
// earlier): a one-time note's occurrence and alarm follow its start, a
// repeated note starts its series again from the new start. Holidays and
// history copies stay; false for them.
bool MoveNoteByDays(CNote& note, int days);

// The sort after a click on a column header: "Time" turns an ascending date
// sort into a descending one and any other sort into an ascending date sort;
// "Note" does the same with titles. The other columns keep the sort.
int SortAfterHeaderClick(int sortOrder, int column);
// The column whose header carries the sort mark, and its direction.
int SortColumn(int sortOrder);
bool SortDescending(int sortOrder);
