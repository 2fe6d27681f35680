#pragma once
// What a day cell of the calendar shows: its heading and one item per note
// of the day, in the day's order. An item keeps the occurrence and the
// note's ID; what it shows is worked out from the note when the cell first
// needs it, so a month of busy days costs only what fits on screen.

#include "store/NoteOccurrence.h"
#include "zadad/WinTypes.h"

#include <string>
#include <vector>

struct CDayCellItem {
    COleDateTime dtTime;
    WORD wNoteID = 0; // the note, looked up by ID whenever it is acted on
    bool bDescribed = false;
    std::string strText;
    int nIcon = -1; // index into the note icons; -1 none
    bool bHoliday = false;
};

// One item per entry of the day, not yet described.
std::vector<CDayCellItem> DayCellEntries(const std::vector<CNoteOccurrence>& day);

// Fills in what the item shows. A holiday shows its title; a note with a
// reminder the occurrence's time in timeFormat, a space and its title; any
// other note its title. A note that is gone shows nothing.
void DescribeItem(CDayCellItem& item, const CNote* note, const std::string& timeFormat);

// The cell's heading, longest first for the cell to take the first that
// fits: in the month grid the day number, in the week grid the weekday,
// month and day, then shorter forms. Today's cell on screen is marked " *";
// a printed calendar is not.
std::vector<std::string> CellHeadings(const COleDateTime& day, bool monthGrid, bool today,
                                      bool printing);
