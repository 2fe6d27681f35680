// Calendar files written the way other programs write them, read into the
// three kinds of note: all-day events, time zones, alarms and repeat rules,
// with what could not be taken over counted; damaged files change nothing.
#include "store/IcsImport.h"
#include "store/CalendarData.h"
#include "store/IcsExport.h"
#include "store/IcsImportReport.h"
#include "store/NoteCasts.h"
#include "store/ProgramFlags.h"
#include "tests/support/FuzzReproducers.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TestClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <ostream>
#include <sstream>

// Losses by number in failure messages.
void PrintTo(IcsLoss loss, std::ostream* out) {
    *out << "loss " << static_cast<int>(loss);
}

namespace {

using Lines = std::vector<std::string>;

std::string Fixture(const std::string& name) {
    std::ifstream in(std::string(ORRINDALE_TEST_DATA_DIR) + "/ics/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_TRUE(in) << name;
    return text.str();
}

std::string CategoryName(const CCalendarData& data, WORD id) {
    for (const CCategory& category : data.m_arrCategories)
        if (category.m_nID == id) return category.m_strName;
    return "?";
}

// Kind, title and start; then the alarm's lead days, the repetition and its
// end, and the category, where the note has them.
std::string Describe(const CNote& note, const CCalendarData& data) {
    static const char* const kKinds[] = {"memo", "one-time", "repeat"};
    std::string text = std::string(kKinds[note.m_nType]) + " " + note.m_strTitle + " " +
                       note.m_dtStart.Format("%Y-%m-%d %H:%M:%S");
    if (const COneTimeNote* timed = AsOneTime(note); timed && note.m_bRemind)
        text += " alarm " + std::to_string(timed->m_nRemindDays) + "d";
    if (const CRecurringNote* r = AsRecurring(note)) {
        text += " every " + r->GetTypeText();
        if (r->m_bByWeekDay)
            text += " on " + std::to_string(r->m_nWeekOrdinal) + "/" +
                    std::to_string(r->m_nWeekDay) + " of " + std::to_string(r->m_nMonth);
        if (note.m_dtEnd.GetStatus() == COleDateTime::valid)
            text += " until " + note.m_dtEnd.Format("%Y-%m-%d %H:%M:%S");
    }
    if (note.m_wCategoryID) text += " [" + CategoryName(data, note.m_wCategoryID) + "]";
    return text;
}

Lines Notes(const CCalendarData& data) {
    Lines lines;
    for (const auto& entry : data.m_noteManager.Notes())
        lines.push_back(Describe(*entry.second, data));
    std::sort(lines.begin(), lines.end());
    return lines;
}

class IcsImportTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }

    CIcsImportResult Import(const std::string& text) {
        return CIcsImport::Import(m_data, text, nullptr);
    }

    CTestClock m_clock{COleDateTime(2026, 1, 1, 8, 0, 0)};
    CCalendarData m_data;
};

struct FileCase {
    const char* file;
    Lines notes;
    IcsLosses losses;
    Lines newCategories;
};

TEST_F(IcsImportTest, FilesOfOtherProgramsBecomeNotes) {
    const FileCase cases[] = {
        {"all-day.ics",
         {"memo Library books due 2026-01-15 00:00:00",
          "memo Spring cleaning 2026-03-10 00:00:00 [Household]",
          "memo Summer holiday 2026-07-06 00:00:00",
          "repeat Ann's birthday 1980-04-14 00:00:01 every 1 year [Birthday]",
          "repeat Pay the rent 2026-01-31 00:00:01 every 1 month"},
         {{IcsLoss::kEndTimes, 1}, {IcsLoss::kSeveralCategories, 1}, {IcsLoss::kShortMonths, 1}},
         {"Household"}},
        {"time-zones.ics",
         {"memo Berlin standup 2026-03-24 08:30:00", "memo Call New York 2026-03-10 13:00:00",
          "memo Floating lunch 2026-03-21 12:30:00", "memo Lost city 2026-03-23 10:00:00",
          "memo Meeting in UTC 2026-03-20 15:00:00", "memo Office hours 2026-03-22 04:30:00",
          "memo Winter call 2026-01-15 14:00:00",
          "repeat Weekly New York 2026-03-02 14:00:00 every 1 week until 2026-03-17 00:00:00"},
         {{IcsLoss::kOtherZones, 5}, {IcsLoss::kUnknownZones, 1}},
         {}},
        {"alarms.ics",
         {"memo Last year's party 2025-12-20 19:00:00",
          "one-time Anniversary dinner 2026-03-20 00:00:00 alarm 1d",
          "one-time Concert 2026-04-10 20:00:00 alarm 1d",
          "one-time Dentist 2026-03-05 09:15:00 alarm 1d",
          "one-time Flight 2026-04-01 06:30:00 alarm 2d",
          "one-time Standup 2026-03-06 10:00:00 alarm 0d",
          "one-time Tax return 2026-04-30 12:00:00 alarm 3d",
          "repeat Weekly review 2026-01-05 17:00:00 alarm 0d every 1 week"},
         {{IcsLoss::kAlarmsRounded, 2},
          {IcsLoss::kSeveralAlarms, 1},
          {IcsLoss::kEndTimes, 1},
          {IcsLoss::kPastAlarms, 1}},
         {}},
        {"repeat-rules.ics",
         {"memo Every weekday 2026-01-05 09:00:00", "memo Extra session 2026-01-08 18:00:00",
          "memo Fifth Friday 2026-01-30 08:00:00", "memo Gym 2026-01-05 07:00:00",
          "memo Second to last Friday 2026-01-23 08:00:00",
          "repeat Board meeting 2026-03-26 14:00:00 every 1 year on 5/5 of 3",
          "repeat Course 2026-01-12 09:00:00 every 1 week until 2026-02-10 00:00:00",
          "repeat Last Sunday 2026-01-25 10:00:00 every 1 month on 5/1 of 1",
          "repeat Quarterly on the 15th 2026-04-15 10:00:00 every 3 months",
          "repeat Team lunch 2026-01-07 12:00:00 every 1 week"},
         {{IcsLoss::kSeveralWeekdays, 2},
          {IcsLoss::kRepeatExceptions, 1},
          {IcsLoss::kChangedOccurrences, 1},
          {IcsLoss::kExtraDates, 1},
          {IcsLoss::kSetPositions, 1},
          {IcsLoss::kOtherRules, 1},
          {IcsLoss::kEnded, 1},
          {IcsLoss::kStartOffRule, 1},
          {IcsLoss::kOtherComponents, 1}},
         {}},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.file);
        m_data.RemoveAllNotes();
        m_data.m_arrCategories = {{0, "All"}, {3, "Birthday"}};
        m_data.m_nNextCategoryID = 5;
        const CIcsImportResult result = Import(Fixture(c.file));
        ASSERT_TRUE(result.m_bRead) << result.m_strProblem;
        EXPECT_EQ(Notes(m_data), c.notes);
        EXPECT_EQ(result.m_nAdded, static_cast<int>(c.notes.size()));
        EXPECT_EQ(result.m_losses, c.losses) << IcsImportReport(result, c.file);
        EXPECT_EQ(result.m_newCategories, c.newCategories);
    }
}

TEST_F(IcsImportTest, TimesComeInAsTheLocalZonesTime) {
    const CScopedEnv berlin("TZ", "Europe/Berlin");
    tzset();
    const CIcsImportResult result =
        Import("BEGIN:VCALENDAR\r\n"
               "BEGIN:VEVENT\r\nDTSTART:20260105T080000Z\r\nRRULE:FREQ=WEEKLY;COUNT=2\r\n"
               "SUMMARY:UTC series\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nDTSTART;TZID=America/New_York:20260310T090000\r\n"
               "SUMMARY:New York\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nDTSTART;TZID=Europe/Berlin:20260310T090000\r\n"
               "SUMMARY:Here\r\nEND:VEVENT\r\n"
               "END:VCALENDAR\r\n");
    EXPECT_EQ(Notes(m_data),
              (Lines{"memo Here 2026-03-10 09:00:00", "memo New York 2026-03-10 14:00:00",
                     "repeat UTC series 2026-01-05 09:00:00 every 1 week until "
                     "2026-01-13 00:00:00"}));
    EXPECT_EQ(result.m_losses, (IcsLosses{{IcsLoss::kOtherZones, 2}}))
        << "the local zone's own times are not converted";
}

TEST_F(IcsImportTest, EventsAfterTheLastYearACalendarFileCarriesAreLeftOut) {
    const CIcsImportResult result =
        Import("BEGIN:VCALENDAR\r\n"
               "BEGIN:VEVENT\r\nDTSTART:30001231T230000\r\nSUMMARY:Last\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nDTSTART:30010101T000000\r\nSUMMARY:Later\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:40520210\r\nSUMMARY:Far\r\nEND:VEVENT\r\n"
               "END:VCALENDAR\r\n");
    EXPECT_EQ(Notes(m_data), (Lines{"memo Last 3000-12-31 23:00:00"}));
    EXPECT_EQ(result.m_losses, (IcsLosses{{IcsLoss::kOutOfRange, 2}}));
}

// Weekday positions no month has, and hours limited to some days: no note
// follows them, and libical would search long for their occurrences.
TEST_F(IcsImportTest, RulesNoNoteFollowsComeInOnceAtTheirStart) {
    std::string text = "BEGIN:VCALENDAR\r\n";
    for (const char* rule : {"FREQ=MONTHLY;BYDAY=7FR", "FREQ=MONTHLY;BYDAY=-6MO",
                             "FREQ=YEARLY;BYMONTH=2;BYDAY=6FR", "FREQ=HOURLY;BYMONTH=3;BYDAY=-1TH"})
        text += std::string("BEGIN:VEVENT\r\nDTSTART:20260130T080000\r\nRRULE:") + rule +
                "\r\nSUMMARY:" + rule + "\r\nEND:VEVENT\r\n";
    const CIcsImportResult result = Import(text + "END:VCALENDAR\r\n");
    EXPECT_EQ(Notes(m_data), (Lines{"memo FREQ=HOURLY;BYMONTH=3;BYDAY=-1TH 2026-01-30 08:00:00",
                                    "memo FREQ=MONTHLY;BYDAY=-6MO 2026-01-30 08:00:00",
                                    "memo FREQ=MONTHLY;BYDAY=7FR 2026-01-30 08:00:00",
                                    "memo FREQ=YEARLY;BYMONTH=2;BYDAY=6FR 2026-01-30 08:00:00"}));
    EXPECT_EQ(result.m_losses, (IcsLosses{{IcsLoss::kOtherRules, 4}}));
}

// Where a long series ends is walked out within limits: libical takes
// microseconds for each occurrence, and a small file of long series once
// held the import for minutes. Past the limits a series that UNTIL ends ends
// there, and a counted one comes in without an end, said in the report.
TEST_F(IcsImportTest, LongSeriesEndWithinTheWalkAFileIsAllowed) {
    std::string text = "BEGIN:VCALENDAR\r\n";
    for (const char* rule : {"UNTIL=20600101", "UNTIL=20600101T120000", "COUNT=150000",
                             "COUNT=5", "COUNT=90000"})
        text += std::string("BEGIN:VEVENT\r\nDTSTART:20260105T090000\r\nRRULE:FREQ=DAILY;") +
                rule + "\r\nSUMMARY:" + rule + "\r\nEND:VEVENT\r\n";
    const CIcsImportResult result = Import(text + "END:VCALENDAR\r\n");
    // The first four take 10,000 + 10,000 + 100,000 + 5 steps of the
    // file's 200,000; the last one's 90,000 do not fit.
    EXPECT_EQ(Notes(m_data),
              (Lines{"repeat COUNT=150000 2026-01-05 09:00:00 every 1 day",
                     "repeat COUNT=5 2026-01-05 09:00:00 every 1 day until 2026-01-10 00:00:00",
                     "repeat COUNT=90000 2026-01-05 09:00:00 every 1 day",
                     "repeat UNTIL=20600101 2026-01-05 09:00:00 every 1 day until 2060-01-02 00:00:00",
                     "repeat UNTIL=20600101T120000 2026-01-05 09:00:00 every 1 day until "
                     "2060-01-01 12:00:01"}));
    EXPECT_EQ(result.m_losses, (IcsLosses{{IcsLoss::kLongCounts, 2}}));
}

// Files the fuzzer found faults with (tests/data/fuzz/ics_import): what
// they add exports as a calendar that imports again.
TEST_F(IcsImportTest, FuzzReproducersExportAsCalendarsThatReadAgain) {
    for (const auto& [name, text] : FuzzReproducers("ics_import")) {
        SCOPED_TRACE(name);
        CCalendarData data;
        data.RemoveAllNotes();
        if (!CIcsImport::Import(data, text, nullptr).m_bRead) continue;
        CCalendarData again;
        const std::string exported = CIcsExport::WriteCalendar(data, nullptr);
        const CIcsImportResult reread = CIcsImport::Import(again, exported, nullptr);
        EXPECT_TRUE(reread.m_bRead) << reread.m_strProblem;
    }
}

TEST_F(IcsImportTest, AFileImportedTwiceAddsItsNotesOnce) {
    const std::string text = Fixture("all-day.ics");
    ASSERT_EQ(Import(text).m_nAdded, 5);
    const std::size_t categories = m_data.m_arrCategories.size();
    const CIcsImportResult again = Import(text);
    EXPECT_EQ(again.m_nAdded, 0);
    EXPECT_EQ(again.m_losses, (IcsLosses{{IcsLoss::kAlreadyThere, 5}}));
    EXPECT_EQ(m_data.m_noteManager.GetCount(), 5u);
    EXPECT_EQ(m_data.m_arrCategories.size(), categories);
}

TEST_F(IcsImportTest, ADamagedFileChangesNothingAndSaysWhy) {
    const struct {
        std::string text;
        const char* problem;
    } cases[] = {
        {Fixture("cut-short.ics"), "cut short"},
        {Fixture("bad-date.ics"), "DTSTART property: 2026-03-11 09:00"},
        {Fixture("not-a-calendar.ics"), "no iCalendar file"},
        {std::string("BEGIN:VCALENDAR\r\n\0\x01\x02", 19), "binary data"},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20260101T090000\r\nRRULE:FREQ=SOMETIMES\r\n"
         "END:VEVENT\r\nEND:VCALENDAR\r\n",
         "RRULE property"},
        {"BEGIN:VEVENT\r\nDTSTART:20260101T090000\r\nEND:VEVENT\r\n", "no iCalendar file"},
    };
    m_data.AddNote(std::make_unique<CNote>(kNoteMemo, "Mine", "", m_clock.Now(), 0));
    const std::vector<CCategory> categories = m_data.m_arrCategories;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        const CIcsImportResult result = Import(c.text);
        EXPECT_FALSE(result.m_bRead);
        EXPECT_NE(result.m_strProblem.find(c.problem), std::string::npos) << result.m_strProblem;
        EXPECT_EQ(Notes(m_data), Lines{"memo Mine 2026-01-01 08:00:00"});
        EXPECT_EQ(m_data.m_arrCategories, categories);
    }
}

TEST_F(IcsImportTest, TextOfAnotherCodePageAndAByteOrderMarkAreRead) {
    // "Café" in Windows-1252, behind a UTF-8 byte order mark.
    const std::string text = "\xEF\xBB\xBF"
                             "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20260301T090000\r\n"
                             "SUMMARY:Caf\xE9\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    ASSERT_EQ(Import(text).m_nAdded, 1);
    EXPECT_EQ(m_data.m_noteManager.Notes().begin()->second->m_strTitle, "Caf\xC3\xA9");
}

TEST(IcsImportReportTest, CountsEachKindOnItsOwnLine) {
    CIcsImportResult result;
    result.m_bRead = true;
    result.m_nAdded = 12;
    result.m_newCategories = {"Work", "Family"};
    result.m_losses = {
        {IcsLoss::kRepeatExceptions, 3}, {IcsLoss::kOtherComponents, 1}, {IcsLoss::kOtherZones, 1}};
    EXPECT_EQ(IcsImportReport(result, "/tmp/cal.ics"),
              "12 notes added from /tmp/cal.ics.\n\nNew categories: Work, Family.\n\n"
              "Not everything could be taken over:\n"
              "3 events: repeat exceptions (EXDATE) left out\n"
              "1 event: times of other time zones converted to local time\n"
              "1 entry: to-dos and journal entries (VTODO, VJOURNAL) left out");
    result.m_losses.clear();
    result.m_newCategories.clear();
    result.m_nAdded = 0;
    EXPECT_EQ(IcsImportReport(result, "empty.ics"), "There are no events in empty.ics.");
}

} // namespace
