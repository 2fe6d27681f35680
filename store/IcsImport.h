#pragma once
// Adds the events of an iCalendar text (RFC 5545) to the calendar as new
// notes, read with libical. The whole text is read before anything changes:
// a text that is no calendar, or one with a date or rule that cannot be
// read, adds nothing and says why. Otherwise every event that can come in is
// added under a new ID, and what could not be taken over is counted by kind.
//
// An event's category is found by name (case aside) and created when the
// calendar has none of that name. An event that matches a note already in
// the calendar (same title, start and repetition) is not added again, so
// importing a file twice adds its notes once.

#include "store/IcsEventReader.h"
#include "store/IcsLoss.h"

#include <string>
#include <string_view>
#include <vector>

class CCalendarData;

struct CIcsImportResult {
    bool m_bRead = false;     // false: the text could not be read and nothing was added
    std::string m_strProblem; // why it could not be read
    int m_nAdded = 0;
    IcsLosses m_losses;
    std::vector<std::string> m_newCategories; // made for the added notes
};

class CIcsImport {
public:
    static CIcsImportResult Import(CCalendarData& data, std::string_view text,
                                   const CIcsEventReader::NoteText& noteText);
};
