#pragma once
// What the note editor shows, as plain values: the dialog fills its controls
// from them and reads the controls back into them, so everything the editor
// decides can be worked out without a window.

#include "zadad/OleDateTime.h"
#include "zadad/WinTypes.h"

#include <string>

class CNote;

// How the editor treats the note it was opened on.
enum NoteEditMode : int {
    kEditNote = 0,    // a new note or an ordinary one: every field
    kEditHistory = 1, // a history copy of an alarm: title and text only
    kEditHoliday = 2, // a holiday item of the options: date, name, text and weekday rule
};

class CNoteEditFields {
public:
    // A new note for the initial date and time.
    static CNoteEditFields ForNewNote(const COleDateTime& initial);
    // The fields of an existing note or holiday item.
    static CNoteEditFields FromNote(const CNote& note);
    // The mode a note is edited in.
    static NoteEditMode ModeFor(const CNote* note, bool holidayItem);

    std::string m_strCaption;
    std::string m_strTitle;
    WORD m_wCategoryID = 0;
    COleDateTime m_dtStartDate; // 00:00 of the start day
    int m_nTimeIndex = -1;      // entry of the time list; -1 when none is chosen
    BOOL m_bRepeat = 0;         // "Repeat Every"
    int m_nRepeatEvery = 1;     // N
    int m_nRepeatUnit = -1;     // 0 "Minute" ... 5 "Year"; -1 when none is chosen
    BOOL m_bWeekDay = 0;        // "Week Day"
    int m_nOrdinal = -1;        // 0 "1st" ... 4 "Last"
    int m_nWeekDay = -1;        // 0 "Sunday" ... 6 "Saturday"
    int m_nMonth = -1;          // 0 "January" ... 11 "December"
    BOOL m_bEnd = 0;            // "End"
    COleDateTime m_dtEndDate;   // 00:00 of the end day
    BOOL m_bRemind = 1;         // "Remind Me Prior"
    int m_nRemindDays = 0;      // days before the occurrence
    std::string m_strText;      // the note's text as rich text
    std::string m_strPlainText; // the same without formatting (holiday items keep only this)
};

// 00:00:00 of the day of dt.
COleDateTime DateOnly(const COleDateTime& dt);
