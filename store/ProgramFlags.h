#pragma once
// Program-wide values. The first group is stored in the data file's settings;
// the counters are run-time state only.

#include "zadad/WinTypes.h"

extern BOOL g_bShowHistory;          // views show history copies (initially 1)
extern BOOL g_bShowCountdownDefault; // new reminders show their countdown (initially 1)
extern BOOL g_bShowSunInfo;          // the almanac line shows sunrise and sunset (initially 0)
extern float g_fFileVersion;         // format version of the data file read or written last

extern int g_nEditorsOpen;   // note editors open now
extern BOOL g_bOptionsOpen;  // the options sheet is open
extern int g_nAlarmsRinging; // alarm windows ringing now

// The colours a new note's window starts with: the title colour from the
// window texture, the body colour from the toolbar texture, lightened.
extern COLORREF g_crNoteTitleDefault;
extern COLORREF g_crNoteBackDefault;

// Puts every value above back to its start-up state.
void ResetProgramFlags();
