#pragma once
// What the notes list shows for a note, and how wide its columns are: plain
// texts and numbers, so that they can be checked without a window.

#include "zadad/OleDateTime.h"

#include <array>
#include <string>

class CNote;

enum NoteListColumn : int {
    kColumnTime = 0,
    kColumnNote = 1,
    kColumnTimeLeft = 2,
    kColumnType = 3,
    kNoteListColumns = 4,
};

// The column captions, "Time", "Note", "Time Left" and "Type".
const std::array<const char*, kNoteListColumns>& NoteListCaptions();

// The period the list shows for a stored filter: 0 today, 1 this week,
// 2 this month, 3 all. A value the window cannot offer counts as all, the
// button it shows pressed then.
int NoteListPeriod(int filter);
// The form of the "Time" column for a period, in the program's 12- or
// 24-hour clock: the time today, the weekday and time this week, the day and
// time this month, the date and time for all notes.
const std::string& NoteListTimeFormat(int period);

struct CNoteListRow {
    std::array<std::string, kNoteListColumns> texts;
    int nIcon = -1;             // the note's image, -1 for none
    bool bReminderText = false; // drawn in the reminders' text colour
};

// The row of a note in the list of a period, with its time left from now.
// Holidays show their date alone.
CNoteListRow NoteListRow(const CNote& note, int period, const COleDateTime& now);

// The column widths while the list is laid out, from the list's inner width
// and the width of the "Time" column's text: at the start the current time
// in the period's form, later the wider of "WWWWWWWWW" and a wide time of the
// period's form (fonts wider than the old system font would cut dates off).
std::array<int, kNoteListColumns> NoteListStartWidths(int clientWidth, int timeTextWidth);
std::array<int, kNoteListColumns> NoteListWidths(int clientWidth, int timeTextWidth);
inline constexpr const char* kNoteListWidthSample = "WWWWWWWWW";
std::string NoteListTimeSample(int period);
