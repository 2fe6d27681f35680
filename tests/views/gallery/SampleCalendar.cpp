// Not a test: writes a data file to look at the calendar window with.
//   orrindale_sample_calendar DIR
// DIR/Note.Dat gets this month full of notes of every kind (memos, one-time
// and recurring reminders, a history copy, a day with more notes than a
// cell holds, long titles, categories), New York as the place with sunrise
// and sunset shown, the calendar in month view, and two notes that sit on
// the desktop at start (one with its countdown line). Run the program with
// ORRINDALE_HOME=DIR and click its icon.
//   orrindale_sample_calendar --due-in SECONDS DIR
// adds a reminder that rings SECONDS after the file is written.
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "zadad/Utility.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct CSample {
    CCalendarData& data;
    int year;
    int month;

    COleDateTime At(int day, int hour, int minute) const {
        return COleDateTime(year, month, day, hour, minute, 0);
    }
    void Memo(const char* title, int day, WORD category = 0) const {
        data.AddNote(std::make_unique<CNote>(kNoteMemo, title, "", At(day, 0, 0), category));
    }
    CNote* Once(const char* title, int day, int hour, int minute, WORD category = 0) const {
        return data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, title, "",
                                                           At(day, hour, minute), 1, category, 1));
    }
    void Every(const char* title, int day, int hour, int unit, BOOL remind) const {
        data.AddNote(std::make_unique<CRecurringNote>(title, "", At(day, hour, 0), 0, unit, 1, 0, 0,
                                                      1, 1, 1, remind));
    }
};

void Fill(const CSample& s) {
    s.Memo("Groceries: milk, bread, eggs", 3);
    s.Memo("Library books due", 10, 2);
    s.Once("Dentist", 8, 14, 30, 2);
    s.Once("Car service at the garage on Mill Road, bring the spare key", 15, 8, 0);
    s.Once("Mum's birthday dinner", 21, 19, 30, 3);
    s.Every("Choir practice", 2, 19, kRepeatWeek, 1);
    s.Every("Water the plants", 5, 8, kRepeatWeek, 0);
    s.Every("Pay the rent", 1, 9, kRepeatMonth, 1);
    for (const auto& [title, hour] : {std::pair{"Team meeting", 9},
                                      {"Lunch with Anna", 12},
                                      {"Pick up the parcel", 15},
                                      {"Call the plumber", 16},
                                      {"Parents' evening at school", 18},
                                      {"Book the trains", 20}})
        s.Once(title, 1, hour, 0);
    s.Memo("Send the cards", 1);
    CNote* done = s.Once("Flu jab", 4, 10, 0);
    s.data.Clone(*done, 1);
    s.data.DeleteNote(static_cast<WORD>(done->m_nID));
}

// A note that opens on the desktop at start, at the given place.
void OnDesktop(CNote* note, const RECT& rect, bool countdown) {
    note->m_rcWindow = rect;
    note->m_rcWindowAlt = rect;
    note->m_bHasWindowRect = 1;
    note->m_bOnDesktop = 1;
    note->m_bShowCountdown = countdown ? 1 : 0;
}

void FillDesktop(const CSample& s) {
    OnDesktop(s.data.AddNote(std::make_unique<CNote>(
                  kNoteMemo, "Shopping", "Milk, bread, eggs\nand something for Sunday",
                  s.At(1, 0, 0), 0)),
              RECT{40, 60, 300, 230}, false);
    OnDesktop(s.data.AddNote(std::make_unique<CRecurringNote>(
                  "Rent", "Transfer to the landlord", s.At(28, 9, 0), 0, kRepeatMonth, 1, 0, 0, 1,
                  1, 1, 0)),
              RECT{40, 260, 300, 400}, true);
}

} // namespace

int main(int argc, char** argv) {
    const bool due = argc == 4 && std::string(argv[1]) == "--due-in";
    if (argc != 2 && !due) {
        std::fprintf(stderr, "usage: %s [--due-in SECONDS] DIR\n", argv[0]);
        return 2;
    }
    CCalendarData data;
    const COleDateTime today = COleDateTime::GetCurrentTime();
    const CSample sample{data, today.GetYear(), today.GetMonth()};
    Fill(sample);
    FillDesktop(sample);
    if (due) {
        const COleDateTime at = today + CUtility::OneSecond * std::atoi(argv[2]);
        data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, "Due now", "", at, 0, 0, 1));
    }
    data.m_dTimeZone = -5;
    data.m_bDaylightSaving = 0;
    data.m_bMonthView = 1;
    g_bShowSunInfo = 1;
    return data.Save(std::string(argv[argc - 1]) + "/Note.Dat") ? 0 : 1;
}
