#pragma once
// What the notes list's commands may do: its context menu, which notes a
// delete removes, moving notes by a day, and the sort a header click asks for.

#include <string>
#include <vector>

class CNote;

struct CListMenuEntry {
    int nCommand;
    const char* text;
};
// "New"; with a first selected note that is no holiday also "Update",
// "Clone" and "Delete".
std::vector<CListMenuEntry> NoteListMenu(const CNote* firstSelected);

// "Delete 3 Note(s) ?"
std::string NoteListDeleteQuestion(int selectedRows);
inline constexpr const char* kNoteListDeleteCaption = "Warning !";
// A delete passes over holidays and notes whose alarm rings now.
bool NoteListDeletes(const CNote& note);

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
