// Writes one set of events three ways, for bench/agenda-compare.sh:
//   make_agenda_workload COUNT YEAR DIR
// DIR/Note.Dat for orrindale-agenda, DIR/reminders.rem for remind and
// DIR/calcurse/apts for calcurse. Half the events are timed one-time events;
// a tenth each are all-day events (memos at midnight here), series every few
// days that end, weekly series and monthly series on a day of the month; a
// twentieth each fall on the last Friday of every month and on the 2nd
// Tuesday of May. Everything happens around YEAR, the year the script lists.
//
// calcurse 4.7 has no weekday rules, so it gets the last Fridays and the 2nd
// Tuesdays of YEAR as single appointments: the same occurrences within YEAR.
#include "store/CalendarData.h"
#include "store/OneTimeNote.h"
#include "store/RecurringNote.h"
#include "zadad/Utility.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace {

const char* const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr int kFriday = 6; // COleDateTime's weekdays: 1 = Sunday
constexpr int kTuesday = 3;

std::string Format(const char* pattern, int a, int b, int c) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

// "15 Mar 2027", as remind reads a date.
std::string RemindDate(const COleDateTime& t) {
    return std::to_string(t.GetDay()) + ' ' + kMonthNames[t.GetMonth() - 1] + ' ' +
           std::to_string(t.GetYear());
}

// " AT 09:30", or nothing for an all-day event.
std::string RemindTime(const COleDateTime& t) {
    return " AT " + Format("%02d:%02d", t.GetHour(), t.GetMinute(), 0);
}

std::string CalcurseDate(const COleDateTime& t) {
    return Format("%02d/%02d/%04d", t.GetMonth(), t.GetDay(), t.GetYear());
}

// "03/15/2027 @ 09:30 -> 03/15/2027 @ 10:30 ": an hour from t.
std::string CalcurseSpan(const COleDateTime& t) {
    const std::string day = CalcurseDate(t);
    return day + Format(" @ %02d:%02d -> ", t.GetHour(), t.GetMinute(), 0) + day +
           Format(" @ %02d:%02d ", t.GetHour() + 1, t.GetMinute(), 0);
}

COleDateTime MidnightOf(const COleDateTime& t) {
    return COleDateTime(t.GetYear(), t.GetMonth(), t.GetDay(), 0, 0, 0);
}

// month: 0 January ... 11 December.
COleDateTime LastFridayOf(int year, int month) {
    const int next = month + 1;
    COleDateTime day = COleDateTime(year + next / 12, next % 12 + 1, 1, 0, 0, 0) - CUtility::OneDay;
    while (day.GetDayOfWeek() != kFriday)
        day -= CUtility::OneDay;
    return day;
}

COleDateTime SecondTuesdayOfMay(int year) {
    COleDateTime day(year, 5, 8, 0, 0, 0);
    while (day.GetDayOfWeek() != kTuesday)
        day += CUtility::OneDay;
    return day;
}

class CWorkload {
public:
    CWorkload(int year, const std::string& dir)
        : m_year(year), m_remind(dir + "/reminders.rem"), m_calcurse(dir + "/calcurse/apts") {}

    bool Good() const { return m_remind.good() && m_calcurse.good(); }

    void Add(int index) {
        const std::string title = "Event " + std::to_string(index + 1);
        switch (index % 20) {
        case 10:
        case 11:
            return AllDay(title);
        case 12:
        case 13:
            return EveryFewDays(title);
        case 14:
        case 15:
            return Weekly(title);
        case 16:
        case 17:
            return Monthly(title);
        case 18:
            return LastFriday(title);
        case 19:
            return SecondTuesdayOfMay(title);
        default:
            return Once(title);
        }
    }

    bool Save(const std::string& path) { return m_data.Save(path) != 0; }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    // A day from a month before YEAR to the end of the year after it.
    COleDateTime Day() {
        return COleDateTime(m_year - 1, 12, 1, 0, 0, 0) + CUtility::OneDay * Pick(0, 760);
    }
    // A quarter hour between 08:00 and 19:45.
    COleDateTimeSpan TimeOfDay() { return CUtility::FifteenMinute * Pick(32, 79); }

    void Once(const std::string& title) {
        const COleDateTime when = Day() + TimeOfDay();
        m_data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, title, "", when, 0, 0, 1));
        m_remind << "REM " << RemindDate(when) << RemindTime(when) << " MSG " << title << '\n';
        m_calcurse << CalcurseSpan(when) << '|' << title << '\n';
    }

    void AllDay(const std::string& title) {
        const COleDateTime day = Day();
        m_data.AddNote(std::make_unique<CNote>(kNoteMemo, title, "", day, 0));
        m_remind << "REM " << RemindDate(day) << " MSG " << title << '\n';
        m_calcurse << CalcurseDate(day) << " [1] " << title << '\n';
    }

    // Repeats every few days from start and ends on last (itself included).
    void EveryFewDays(const std::string& title) {
        const COleDateTime start = Day() + TimeOfDay();
        const int every = Pick(2, 10);
        const COleDateTime last = MidnightOf(start) + CUtility::OneDay * Pick(30, 300);
        CRecurringNote& note = AddSeries(title, start, kRepeatDay, every);
        note.m_dtEnd = last + CUtility::OneDay;
        m_remind << "REM " << RemindDate(start) << " *" << every << " UNTIL " << RemindDate(last)
                 << RemindTime(start) << " MSG " << title << '\n';
        m_calcurse << CalcurseSpan(start) << '{' << every << "D -> " << CalcurseDate(last) << "} |"
                   << title << '\n';
    }

    void Weekly(const std::string& title) {
        const COleDateTime start = Day() + TimeOfDay();
        AddSeries(title, start, kRepeatWeek, 1);
        m_remind << "REM " << RemindDate(start) << " *7" << RemindTime(start) << " MSG " << title
                 << '\n';
        m_calcurse << CalcurseSpan(start) << "{1W} |" << title << '\n';
    }

    // On one day of the month, the 1st to the 28th, which every month has.
    void Monthly(const std::string& title) {
        const COleDateTime start =
            COleDateTime(m_year - 1 + Pick(0, 1), Pick(1, 12), Pick(1, 28), 0, 0, 0) + TimeOfDay();
        AddSeries(title, start, kRepeatMonth, 1);
        m_remind << "REM " << start.GetDay() << " FROM " << RemindDate(start) << RemindTime(start)
                 << " MSG " << title << '\n';
        m_calcurse << CalcurseSpan(start) << "{1M} |" << title << '\n';
    }

    void LastFriday(const std::string& title) {
        const COleDateTimeSpan time = TimeOfDay();
        const COleDateTime start = LastFridayOf(m_year - 1, Pick(0, 11)) + time;
        AddSeries(title, start, kRepeatMonth, 1, kFriday, 5, 1);
        m_remind << "REM Fri 1 --7 FROM " << RemindDate(start) << RemindTime(start) << " MSG "
                 << title << '\n';
        for (int month = 0; month < 12; ++month)
            CalcurseOnce(LastFridayOf(m_year, month) + time, title);
    }

    void SecondTuesdayOfMay(const std::string& title) {
        const COleDateTimeSpan time = TimeOfDay();
        const COleDateTime start = ::SecondTuesdayOfMay(m_year - Pick(0, 3)) + time;
        AddSeries(title, start, kRepeatYear, 1, kTuesday, 2, 5);
        m_remind << "REM Tue 8 May FROM " << RemindDate(start) << RemindTime(start) << " MSG "
                 << title << '\n';
        CalcurseOnce(::SecondTuesdayOfMay(m_year) + time, title);
    }

    // A series by weekday when weekDay is given (ordinal 5: the last).
    CRecurringNote& AddSeries(const std::string& title, const COleDateTime& start, int unit,
                              int every, int weekDay = 0, int ordinal = 1, int month = 1) {
        auto note =
            std::make_unique<CRecurringNote>(title, "", start, 0, unit, every, 0, weekDay != 0,
                                             weekDay ? weekDay : 1, ordinal, month, 1);
        return static_cast<CRecurringNote&>(*m_data.AddNote(std::move(note)));
    }

    void CalcurseOnce(const COleDateTime& when, const std::string& title) {
        m_calcurse << CalcurseSpan(when) << '|' << title << '\n';
    }

    int m_year;
    std::mt19937 m_random{20270301};
    CCalendarData m_data;
    std::ofstream m_remind;
    std::ofstream m_calcurse;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s COUNT YEAR DIR\n", argv[0]);
        return 2;
    }
    const int count = std::atoi(argv[1]);
    const std::string dir = argv[3];
    CWorkload workload(std::atoi(argv[2]), dir);
    for (int i = 0; i < count; ++i)
        workload.Add(i);
    if (!workload.Good() || !workload.Save(dir + "/Note.Dat")) {
        std::fprintf(stderr, "%s: could not write the workload to %s\n", argv[0], dir.c_str());
        return 1;
    }
    return 0;
}
