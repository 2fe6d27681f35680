#pragma once
// The calendar window's controls by number. Each control's tooltip is the
// string with its number; the navigation arrows word theirs, and step, by
// whether the calendar shows a month or a week.

enum MainWndCommand : int {
    kMainMaximize = 110, // "Maximize/Restore"
    kMainClose = 111,
    kMainWeekView = 112,
    kMainMonthView = 113,
    kMainEditNote = 117,
    kMainCloneNote = 119,
    kMainRemoveNote = 121,
    kMainHomePage = 123,
    kMainOptions = 125,
    kMainHelp = 127,
    kMainPrint = 130,
    kMainBack = 131,        // one month or one week back
    kMainForward = 132,     // one month or one week on
    kMainForwardYear = 133, // a year, or 4 weeks, on
    kMainBackYear = 134,    // a year, or 4 weeks, back
    kMainListView = 135,
    kMainNewNote = 136,
    kMainFilterToday = 142, // the notes list's filters: today, this week, this month, all
    kMainFilterWeek = 143,
    kMainFilterMonth = 144,
    kMainFilterAll = 145,
    kMainCategoryBox = 1018,
    kMainHistory = 1024,
    kMainRecurrence = 1025,
};

// The toolbar from left to right.
inline constexpr int kToolbarCommands[] = {
    kMainWeekView,   kMainMonthView, kMainListView, kMainNewNote,  kMainEditNote, kMainCloneNote,
    kMainRemoveNote, kMainPrint,     kMainOptions,  kMainHomePage, kMainHelp};

// The string number of an arrow's tooltip in month or week mode; any other
// control's own number.
int NavigationTipId(int command, bool monthMode);
// How far an arrow moves the calendar: months in month mode, weeks in week
// mode; 0 for any other control.
int NavigationStep(int command, bool monthMode);
// The note command (101 to 104) a toolbar button sends to the calendar, or 0.
int NoteCommandOf(int command);
// The filter button that shows a stored filter pressed; anything unknown is "ALL".
int CommandOfFilter(int filter);
