#pragma once
// What a day cell of the calendar shows: its heading and one item per note
// of the day, in the day's order.

#include "store/NoteOccurrence.h"
#include "zadad/WinTypes.h"

#include <string>
#include <vector>

struct CDayCellItem {
    std::string strText;
    int nIcon = -1; // index into the note icons; -1 none
    bool bHoliday = false;
    WORD wNoteID = 0; // the note, looked up again when it is acted on
};

// A holiday shows its title; a note with a reminder the occurrence's time in
// timeFormat, a space and its title; any other note its title.
std::vector<CDayCellItem> BuildDayCellItems(const std::vector<CNoteOccurrence>& day,
                                            const std::string& timeFormat);

// The cell's heading, longest first for the cell to take the first that
// fits: in the month grid the day number, in the week grid the weekday,
// month and day, then shorter forms. Today's cell on screen is marked " *";
// a printed calendar is not.
std::vector<std::string> CellHeadings(const COleDateTime& day, bool monthGrid, bool today,
                                      bool printing);
