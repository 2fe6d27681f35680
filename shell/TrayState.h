#pragma once
// What the tray is doing. Only an idle tray takes clicks and opens its menu;
// in every other state a click brings an open calendar window forward.

enum TrayState : int {
    kTrayIdle = 0,
    kTrayCalendarOpen = 1,
    kTrayClosing = 2,   // final: the program is ending
    kTrayBusy = 3,      // an import or export is running
    kTraySuspended = 4, // the machine is going to sleep
    kTrayStarting = 5,  // the icon shows; the data file is still being read
};
