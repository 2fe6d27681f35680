#pragma once
// Everything the options sheet edits, filled from the settings when the sheet
// opens and written back when it is confirmed: the "Note" and "Appearance"
// values always, the holidays, categories and location only from the pages
// the user opened. The program's own settings file and the autostart entry
// are written when their choice changed. Then the data file is saved and
// read back, so that every part of the program works with the new settings.

#include "options/AppearanceOptions.h"
#include "options/CategoryOptions.h"
#include "options/HolidayRecords.h"
#include "options/LocationOptions.h"
#include "options/NoteOptions.h"

class CCalendarData;

class COptionValues {
public:
    void Fill(const CCalendarData& data);
    // Writes the values back into data, saves the data file and reads it
    // back. False when the data file could not be written: the new settings
    // then live in memory only, still to be saved. Either failure, of the
    // data file or of the holiday file, has been told to the user.
    bool Commit(CCalendarData& data) const;

    CNoteOptions m_note;
    CAppearanceOptions m_appearance;
    CCategoryOptions m_categories;
    CLocationOptions m_location;
    CHolidayRecords m_holidays;

    // Pages the user opened.
    bool m_bHolidayOpened = false;
    bool m_bCategoriesOpened = false;
    bool m_bLocationOpened = false;
};
