// What the calendar export writes for each kind of note, read back with
// libical: the start as a date or a floating time, the rule, the alarm, and
// the text, category and UID beside them.
#include "store/IcsExport.h"
#include "store/CalendarData.h"
#include "store/IcalHandle.h"
#include "store/ProgramFlags.h"
#include "tests/store/IcsSamples.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

using icssamples::At;
using icssamples::Untimed;

// One event as its property lines, unfolded, the alarm's among them.
using Event = std::vector<std::string>;

void AddLines(icalcomponent* component, Event& lines) {
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_ANY_PROPERTY)) {
        std::string line = TakeIcalString(icalproperty_as_ical_string_r(p));
        for (std::size_t fold; (fold = line.find("\r\n ")) != std::string::npos;)
            line.erase(fold, 3);
        lines.push_back(line.substr(0, line.find("\r\n")));
    }
    for (icalcomponent* c = icalcomponent_get_first_component(component, ICAL_VALARM_COMPONENT); c;
         c = icalcomponent_get_next_component(component, ICAL_VALARM_COMPONENT))
        AddLines(c, lines);
}

std::vector<Event> Events(const std::string& text) {
    const IcalComponentPtr calendar(icalparser_parse_string(text.c_str()));
    std::vector<Event> events;
    EXPECT_TRUE(calendar) << text;
    if (!calendar) return events;
    for (icalcomponent* c =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         c; c = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        events.emplace_back();
        AddLines(c, events.back());
    }
    return events;
}

// The event's line of that property, or "" when it has none.
std::string Line(const Event& event, const std::string& name) {
    for (const std::string& line : event)
        if (line.rfind(name + ":", 0) == 0 || line.rfind(name + ";", 0) == 0) return line;
    return "";
}

std::unique_ptr<CRecurringNote> Repeat(const COleDateTime& start, int unit, int every,
                                       int remindDays = -1) {
    return std::make_unique<CRecurringNote>("r", "", start, std::max(remindDays, 0), unit, every, 0,
                                            0, 1, 1, 1, remindDays >= 0);
}

std::unique_ptr<CRecurringNote> WeekdayRule(const COleDateTime& start, int unit, int weekDay,
                                            int ordinal, int month, int remindDays) {
    return std::make_unique<CRecurringNote>("w", "", start, remindDays, unit, 1, 0, 1, weekDay,
                                            ordinal, month, 1);
}

std::unique_ptr<CRecurringNote> Ending(std::unique_ptr<CRecurringNote> note,
                                       const COleDateTime& end) {
    note->m_dtEnd = end;
    return note;
}

class IcsExportTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    Event Export(std::unique_ptr<CNote> note) {
        const CNote* stored = m_data.AddNote(std::move(note));
        const std::vector<Event> events = Events(CIcsExport::WriteNotes(m_data, {stored}, nullptr));
        EXPECT_EQ(events.size(), 1u);
        return events.empty() ? Event() : events.front();
    }

    CTestClock m_clock{icssamples::kMadeAt};
    CCalendarData m_data;
};

TEST_F(IcsExportTest, EachKindAndRuleIsWrittenInItsForm) {
    const struct {
        const char* what;
        std::function<std::unique_ptr<CNote>()> make;
        const char* dtstart;
        const char* rrule;
        const char* trigger;
    } cases[] = {
        {"memo at midnight: all day",
         [] { return std::make_unique<CNote>(kNoteMemo, "m", "", At(2026, 2, 10), 0); },
         "DTSTART;VALUE=DATE:20260210", "", ""},
        {"memo with a time",
         [] { return std::make_unique<CNote>(kNoteMemo, "m", "", At(2026, 2, 11, 14, 30), 0); },
         "DTSTART:20260211T143000", "", ""},
        {"one-time note: alarm its lead days before",
         [] {
             return std::make_unique<COneTimeNote>(kNoteOneTime, "o", "", At(2026, 3, 5, 9, 15), 2,
                                                   0, 1);
         },
         "DTSTART:20260305T091500", "", "TRIGGER:-P2D"},
        {"minutes: timed even from the start of a day",
         [] { return Repeat(Untimed(2026, 1, 5), kRepeatMinute, 15); }, "DTSTART:20260105T000001",
         "RRULE:FREQ=MINUTELY;INTERVAL=15", ""},
        {"hours with an end: UNTIL the second before the end day",
         [] { return Ending(Repeat(At(2026, 1, 10, 6), kRepeatHour, 5, 0), At(2026, 1, 13)); },
         "DTSTART:20260110T060000", "RRULE:FREQ=HOURLY;UNTIL=20260112T235959;INTERVAL=5",
         "TRIGGER:PT0S"},
        {"untimed days with an end: UNTIL the day before",
         [] { return Ending(Repeat(Untimed(2026, 4, 1), kRepeatDay, 1), At(2026, 4, 10)); },
         "DTSTART;VALUE=DATE:20260401", "RRULE:FREQ=DAILY;UNTIL=20260409", ""},
        {"the 29th: the last of the 28th and 29th",
         [] { return Repeat(At(2026, 1, 29, 12), kRepeatMonth, 2); }, "DTSTART:20260129T120000",
         "RRULE:FREQ=MONTHLY;INTERVAL=2;BYMONTHDAY=28,29;BYSETPOS=-1", ""},
        {"the 31st: the last day", [] { return Repeat(At(2026, 1, 31, 9), kRepeatMonth, 1); },
         "DTSTART:20260131T090000", "RRULE:FREQ=MONTHLY;BYMONTHDAY=-1", ""},
        {"29 February", [] { return Repeat(At(2024, 2, 29, 7), kRepeatYear, 1); },
         "DTSTART:20240229T070000", "RRULE:FREQ=YEARLY;BYMONTHDAY=28,29;BYMONTH=2;BYSETPOS=-1", ""},
        {"2nd Tuesday from the 20th: starts on the next one",
         [] { return WeekdayRule(At(2026, 1, 20, 19), kRepeatMonth, 3, 2, 1, 3); },
         "DTSTART:20260210T190000", "RRULE:FREQ=MONTHLY;BYDAY=2TU", "TRIGGER:-P3D"},
        {"an end after the last year a calendar file carries: no end",
         [] { return Ending(Repeat(At(2026, 1, 5, 9), kRepeatWeek, 1), At(4000, 1, 1)); },
         "DTSTART:20260105T090000", "RRULE:FREQ=WEEKLY", ""},
        {"last Monday of May",
         [] { return WeekdayRule(At(2026, 1, 1, 10), kRepeatYear, 2, 5, 5, 0); },
         "DTSTART:20260525T100000", "RRULE:FREQ=YEARLY;BYDAY=-1MO;BYMONTH=5", "TRIGGER:PT0S"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Event event = Export(c.make());
        EXPECT_EQ(Line(event, "DTSTART"), c.dtstart);
        EXPECT_EQ(Line(event, "RRULE"), c.rrule);
        EXPECT_EQ(Line(event, "TRIGGER"), c.trigger);
    }
}

TEST_F(IcsExportTest, TitleTextCategoryAndUidGoBesideTheTimes) {
    m_data.m_dtFirstSaved = At(2019, 5, 6, 7, 8, 9);
    auto note = std::make_unique<CNote>(kNoteMemo, "Zoë's party; bring cake, \\ and more",
                                        "{\\rtf1 rich}", At(2026, 5, 2, 18), 3);
    const std::vector<Event> events = Events(CIcsExport::WriteNotes(
        m_data, {m_data.AddNote(std::move(note))},
        [](std::string_view text) { return "plain of " + std::string(text) + "\nline 2"; }));
    ASSERT_EQ(events.size(), 1u);
    const Event& event = events.front();
    EXPECT_EQ(Line(event, "SUMMARY"), "SUMMARY:Zoë's party\\; bring cake\\, \\\\ and more");
    EXPECT_EQ(Line(event, "DESCRIPTION"), "DESCRIPTION:plain of {\\\\rtf1 rich}\\nline 2");
    EXPECT_EQ(Line(event, "CATEGORIES"), "CATEGORIES:Birthday");
    EXPECT_EQ(Line(event, "UID"), "UID:600-20190506T070809@orrindale");
    EXPECT_EQ(Line(event, "DTSTAMP"), "DTSTAMP:20260101T080000Z");

    // No category, or one that has been removed: no CATEGORIES.
    for (const WORD category : {WORD{0}, WORD{42}}) {
        const Event plain =
            Export(std::make_unique<CNote>(kNoteMemo, "p", "", At(2026, 5, 3), category));
        EXPECT_EQ(Line(plain, "CATEGORIES"), "") << category;
        EXPECT_EQ(Line(plain, "DESCRIPTION"), "") << "no text, no description";
    }
}

TEST_F(IcsExportTest, TheCalendarLeavesOutHistoryHolidaysAndNotesSwitchedOff) {
    m_data.AddNote(std::make_unique<CNote>(kNoteMemo, "Kept", "", At(2026, 2, 1), 0));
    CNote* history =
        m_data.AddNote(std::make_unique<CNote>(kNoteMemo, "History", "", At(2025, 2, 1), 0));
    history->m_bHistory = 1;
    CNote* off = m_data.AddNote(std::make_unique<CNote>(kNoteMemo, "Off", "", At(2026, 2, 2), 0));
    off->m_bActive = 0;
    auto holiday = Repeat(At(2000, 12, 25), kRepeatYear, 1);
    holiday->m_nType = kNoteHoliday;
    m_data.m_noteManager.Add(std::move(holiday));
    m_data.AddNote(Ending(Repeat(At(2026, 3, 1, 9), kRepeatDay, 1), At(2026, 3, 1)));
    m_data.AddNote(std::make_unique<CNote>(kNoteMemo, "Far", "", At(4052, 2, 10), 0));
    const std::vector<Event> events = Events(CIcsExport::WriteCalendar(m_data, nullptr));
    ASSERT_EQ(events.size(), 1u)
        << "a series that ends before it starts and a year no file carries are left out as well";
    EXPECT_EQ(Line(events.front(), "SUMMARY"), "SUMMARY:Kept");
}

TEST_F(IcsExportTest, OccurrencesAreSingleEventsWithTheirNotesAlarm) {
    m_data.AddNote(Repeat(At(2026, 1, 5, 9), kRepeatDay, 1, 1));
    m_data.AddNote(Repeat(Untimed(2026, 1, 6), kRepeatWeek, 1));
    std::vector<std::vector<CNoteOccurrence>> days;
    m_data.m_noteManager.FillGrid(days, 0, At(2026, 1, 5), At(2026, 1, 12), 0);
    std::vector<CNoteOccurrence> occurrences;
    for (const auto& day : days)
        occurrences.insert(occurrences.end(), day.begin(), day.end());
    const std::vector<Event> events =
        Events(CIcsExport::WriteOccurrences(m_data, occurrences, nullptr));
    ASSERT_EQ(events.size(), 8u) << "seven days of the daily note, one of the weekly";
    std::set<std::string> uids;
    for (const Event& event : events) {
        EXPECT_EQ(Line(event, "RRULE"), "");
        uids.insert(Line(event, "UID"));
    }
    EXPECT_EQ(uids.size(), events.size()) << "each occurrence is an event of its own";
    EXPECT_EQ(Line(events[0], "DTSTART"), "DTSTART:20260105T090000");
    EXPECT_EQ(Line(events[0], "TRIGGER"), "TRIGGER:-P1D");
    EXPECT_EQ(Line(events[0], "UID"), "UID:600-20260105T090000-18991230T000000@orrindale");
    EXPECT_EQ(Line(events[1], "DTSTART"), "DTSTART;VALUE=DATE:20260106") << "before 09:00 that day";
}

} // namespace
