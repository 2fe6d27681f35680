// A month of reminders through the real tray, its one-second tick, the
// scheduler and the ringing note windows, on the test clock: a seeded mix of
// notes of every kind rings while the soak answers with "OK", snoozes,
// deletes, edits notes and restarts the program at random moments. Each ring
// is checked against the soak's own reckoning of the notes' rules; every
// restart saves, reads the file back and compares; the heap is measured at
// the end of each day.
//
// ORRINDALE_SOAK_NOTES and ORRINDALE_SOAK_DAYS set the size (200 notes for 5
// days unless set; the month is 1000 for 30), ORRINDALE_SOAK_SEED the seed
// (20261208 when unset). The seed is printed, to run a failure again.
#include "SoakNotes.h"

#include "editing/NoteEditSession.h"
#include "reminders/AlarmListener.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/NoteWnd.h"
#include "reminders/SnoozeRow.h"
#include "shell/TrayWnd.h"
#include "store/NoteCasts.h"
#include "tests/store/NoteCompare.h"
#include "tests/support/TrayHarness.h"

#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace soak {
namespace {

constexpr Seconds kDay = 86400;
// However many notes fall due together, each rings within this long.
constexpr Seconds kMostRingDelay = 120;
constexpr std::size_t kMostFaultsShown = 25;

long EnvOr(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : fallback;
}

Seconds ToSeconds(const COleDateTime& t) {
    return At(t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond());
}

std::string Stamp(Seconds t) {
    return ToOle(t).Format("%Y-%m-%d %H:%M:%S");
}

// The heap in use and the resident size, in kilobytes.
struct Memory {
    long heapKb = 0;
    long residentKb = 0;
};

Memory MeasureMemory() {
    Memory m;
    m.heapKb = static_cast<long>(mallinfo2().uordblks / 1024);
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    m.residentKb = resident * (sysconf(_SC_PAGESIZE) / 1024);
    return m;
}

// Hears the note windows start ringing.
class RingLog : public CAlarmListener {
public:
    void AlarmStarted(const CNote& note) override {
        started.push_back(static_cast<WORD>(note.m_nID));
    }
    void AlarmEnded(WORD) override {}
    std::vector<WORD> started;
};

// What the soak did and saw.
struct Counts {
    long rung = 0;
    long rungAgainAfterRestart = 0;
    long acknowledged = 0;
    long snoozed = 0;
    long answeredLate = 0;
    long deleted = 0;
    long edited = 0;
    long restarts = 0;
    long retired = 0;
};

// One note as the soak expects it.
struct Expected {
    Expectation when;
    std::string title;
    bool ringing = false;
    bool ringsAgain = false;       // it rang when the program was restarted
    bool broken = false;           // found at fault once: no longer followed
    bool snoozed = false;          // waits to ring again after a snooze
    std::optional<Seconds> answer; // a ringing note answered later
};

class SoakRun {
public:
    SoakRun(long notes, long days, std::uint64_t seed)
        : m_rng(seed), m_nNotes(notes), m_start(At(2026, 12, 8)), m_end(m_start + days * kDay),
          m_harness(ToOle(m_start)) {}

    void Run();
    const Counts& GetCounts() const { return m_counts; }
    const std::vector<Memory>& Days() const { return m_days; }
    const std::vector<std::string>& Faults() const { return m_faults; }
    std::size_t NotesLeft() const { return m_expected.size(); }

private:
    void AddNotes();
    Seconds NextStep(Seconds now) const;
    void Step(Seconds now);
    void CheckRings(Seconds now);
    void Answer(WORD id, Seconds now);
    void Acknowledge(WORD id, CNoteWnd& window, Seconds now);
    void Snooze(WORD id, CNoteWnd& window, Seconds now);
    void Delete(WORD id, CNoteWnd& window);
    void ExpectAlarm(WORD id, Seconds now);
    void CheckOverdue(Seconds now);
    void RandomAction(Seconds now);
    void Edit(Seconds now);
    void Restart();
    void CompareWithFile(const CCalendarData& file) const;
    void CheckNotes(const char* when);
    void EndOfDay(Seconds now);
    void Fault(Seconds now, WORD id, const std::string& what);
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    CCalendarData& Data() { return m_harness.Data(); }

    std::mt19937_64 m_rng;
    long m_nNotes;
    Seconds m_start;
    Seconds m_end;
    RingLog m_rings; // outlives the note windows that ring through it
    CTrayHarness m_harness;
    std::map<WORD, Expected> m_expected;
    Seconds m_nextAction = 0;
    Seconds m_nextDay = 0;
    Counts m_counts;
    std::vector<Memory> m_days;
    std::vector<std::string> m_faults;
};

void SoakRun::AddNotes() {
    // Answered alarms leave no history copy: the month's notes stay the same
    // notes, and the heap can be compared from day to day.
    Data().m_bSaveHistory = 0;
    for (long i = 0; i < m_nNotes; ++i) {
        const Rule rule = RandomRule(m_rng, m_start);
        const std::string title = "soak " + std::to_string(i);
        CNote* note = Data().AddNote(MakeNote(rule, title));
        ASSERT_NE(note, nullptr);
        m_expected.emplace(
            static_cast<WORD>(note->m_nID),
            Expected{Expectation(rule, m_start), title, false, false, false, false, std::nullopt});
    }
    m_harness.Tray().NotesChanged();
}

void SoakRun::Run() {
    ASSERT_TRUE(m_harness.Start({.alarms = &m_rings}));
    ASSERT_NO_FATAL_FAILURE(AddNotes());
    m_nextAction = m_start + Pick(60, 6 * 3600);
    m_nextDay = m_start + kDay;
    for (Seconds now = m_start; now < m_end;) {
        now = NextStep(now);
        ASSERT_NO_FATAL_FAILURE(Step(now));
        if (m_faults.size() > kMostFaultsShown) break;
    }
    CheckNotes("at the end");
    EXPECT_TRUE(m_harness.Box().m_shown.empty()) << m_harness.Box().m_shown.front().text;
}

// The next moment anything happens: an alarm due (rung one second after its
// time, as the tick finds it), a late answer, a random action, a day's end.
Seconds SoakRun::NextStep(Seconds now) const {
    Seconds next = std::min({m_nextAction, m_nextDay, m_end});
    for (const auto& [id, e] : m_expected) {
        if (e.answer) next = std::min(next, *e.answer);
        if (!e.ringing && !e.broken && e.when.Live()) next = std::min(next, e.when.RingsAt() + 1);
    }
    return std::max(next, now + 1);
}

void SoakRun::Step(Seconds now) {
    m_harness.TickAt(ToOle(now));
    CheckRings(now);
    for (auto& [id, e] : m_expected)
        if (e.answer && *e.answer <= now) {
            e.answer.reset();
            ++m_counts.answeredLate;
        }
    std::vector<WORD> answerNow;
    for (const auto& [id, e] : m_expected)
        if (e.ringing && !e.answer) answerNow.push_back(id);
    for (const WORD id : answerNow)
        Answer(id, now);
    // The soak runs no event loop: what one would handle between ticks.
    CTrayHarness::FlushEvents();
    CheckOverdue(now);
    if (now >= m_nextAction) {
        RandomAction(now);
        m_nextAction = now + Pick(60, 8 * 3600);
    }
    if (now >= m_nextDay) {
        EndOfDay(now);
        m_nextDay += kDay;
    }
}

void SoakRun::Fault(Seconds now, WORD id, const std::string& what) {
    std::ostringstream text;
    text << Stamp(now) << " note " << id;
    if (const auto it = m_expected.find(id); it != m_expected.end())
        text << " \"" << it->second.title << "\"";
    text << ": " << what;
    m_faults.push_back(text.str());
    if (const auto it = m_expected.find(id); it != m_expected.end()) it->second.broken = true;
}

void SoakRun::CheckRings(Seconds now) {
    for (const WORD id : m_rings.started) {
        const auto it = m_expected.find(id);
        if (it == m_expected.end()) {
            Fault(now, id, "rang, but the note should be gone");
            continue;
        }
        Expected& e = it->second;
        if (e.broken) {
            e.ringing = true;
            continue;
        }
        if (e.ringing || !e.when.Live() || e.when.RingsAt() > now) {
            Fault(now, id,
                  e.ringing ? "rang twice" : "rang, expected at " + Stamp(e.when.RingsAt()));
            continue;
        }
        e.ringing = true;
        ++m_counts.rung;
        if (e.ringsAgain) ++m_counts.rungAgainAfterRestart;
        e.ringsAgain = false;
        // Now and then the user lets it ring a while before answering.
        if (Pick(0, 19) == 0) e.answer = now + Pick(30, 3 * 3600);
    }
    m_rings.started.clear();
}

void SoakRun::Answer(WORD id, Seconds now) {
    CNote* note = Data().LookupNote(id);
    CNoteWnd* window = note ? CNoteWindowManager::WindowOf(*note) : nullptr;
    if (!window || !window->IsAlarmMode()) {
        Fault(now, id, "rang, but no ringing window is there to answer");
        m_expected.at(id).ringing = false;
        return;
    }
    if (m_expected.at(id).broken) {
        // Answered only to keep it quiet; where it goes next is no longer followed.
        window->AnswerAlarm(false, 0, 0);
        m_expected.at(id).ringing = false;
        return;
    }
    const int choice = Pick(0, 99);
    if (choice < 2)
        Delete(id, *window);
    else if (choice < 17)
        Snooze(id, *window, now);
    else
        Acknowledge(id, *window, now);
}

void SoakRun::Acknowledge(WORD id, CNoteWnd& window, Seconds now) {
    window.AcknowledgeAlarm();
    ++m_counts.acknowledged;
    Expected& e = m_expected.at(id);
    e.ringing = false;
    e.snoozed = false;
    e.when.Acknowledge(now);
    if (!e.when.Live()) {
        ++m_counts.retired;
        if (Data().LookupNote(id)) Fault(now, id, "is still there after its last occurrence");
        m_expected.erase(id);
        return;
    }
    ExpectAlarm(id, now);
}

void SoakRun::Snooze(WORD id, CNoteWnd& window, Seconds now) {
    const int hours = Pick(0, 5) == 0 ? Pick(1, 3) : 0;
    const int minutes = Pick(1, 59);
    window.SnoozeRow().Check()->setChecked(true);
    window.SnoozeRow().Hours()->setText(QString::number(hours));
    window.SnoozeRow().Minutes()->setText(QString::number(minutes));
    window.AcknowledgeAlarm();
    ++m_counts.snoozed;
    Expected& e = m_expected.at(id);
    e.ringing = false;
    e.when.Snooze(now, hours * 60 + minutes);
    e.snoozed = true;
    ExpectAlarm(id, now);
}

void SoakRun::Delete(WORD id, CNoteWnd& window) {
    window.RunCommand(CNoteWnd::kCmdDelete);
    ++m_counts.deleted;
    m_expected.erase(id);
    if (Data().LookupNote(id)) Fault(0, id, "is still there after Delete");
}

// The program's note rings next when the soak expects it to.
void SoakRun::ExpectAlarm(WORD id, Seconds now) {
    const auto* note = dynamic_cast<const COneTimeNote*>(Data().LookupNote(id));
    const Expected& e = m_expected.at(id);
    if (!note) {
        Fault(now, id, "is gone, expected to ring at " + Stamp(e.when.RingsAt()));
        m_expected.erase(id);
        return;
    }
    const Seconds alarm = ToSeconds(note->m_dtAlarm);
    if (alarm != e.when.RingsAt())
        Fault(now, id,
              "rings next at " + Stamp(alarm) + " for " + Stamp(ToSeconds(note->m_dtOccurrence)) +
                  ", expected at " + Stamp(e.when.RingsAt()) + " for " +
                  Stamp(e.when.Occurrence()));
}

void SoakRun::CheckOverdue(Seconds now) {
    for (auto& [id, e] : m_expected) {
        if (e.ringing || e.broken || !e.when.Live() || e.when.RingsAt() + kMostRingDelay >= now)
            continue;
        Fault(now, id, "did not ring at " + Stamp(e.when.RingsAt()));
    }
}

void SoakRun::RandomAction(Seconds now) {
    if (Pick(0, 9) < 7)
        Edit(now);
    else
        Restart();
}

// The editor's OK on a note, with a new title and text and nothing else changed.
void SoakRun::Edit(Seconds now) {
    // Half the time a snoozed note, when there is one: it must still ring
    // again when it was asked to.
    const bool snoozedOnly = Pick(0, 1) == 0;
    std::vector<WORD> quiet;
    for (const auto& [id, e] : m_expected)
        if (!e.ringing && !e.broken && (!snoozedOnly || e.snoozed)) quiet.push_back(id);
    if (quiet.empty() && snoozedOnly)
        for (const auto& [id, e] : m_expected)
            if (!e.ringing && !e.broken) quiet.push_back(id);
    if (quiet.empty()) return;
    const WORD id = quiet[static_cast<std::size_t>(Pick(0, static_cast<int>(quiet.size()) - 1))];
    Expected& e = m_expected.at(id);
    {
        CNoteEditSession session(&Data(), Data().LookupNote(id));
        CNoteEditFields fields = session.InitialFields(ToOle(now));
        e.title = e.title.substr(0, e.title.find(" /")) + " / edited " + Stamp(now);
        fields.m_strTitle = e.title;
        fields.m_strText = "changed at " + Stamp(now);
        if (session.Commit(fields, ToOle(now)) != CNoteEditSession::kDone) {
            Fault(now, id, "could not be edited");
            return;
        }
    }
    m_harness.Tray().NotesChanged();
    ++m_counts.edited;
    ExpectAlarm(id, now);
}

// The notes saved, read back as a second copy of the program would, and
// compared; then the program ends and starts again on the same file.
void SoakRun::Restart() {
    ASSERT_TRUE(m_harness.Tray().Save());
    CCalendarData file;
    std::string error;
    ASSERT_EQ(file.LoadReadOnly(Data().GetDataFilePath(), error),
              CCalendarData::ReadOnlyLoad::kLoaded)
        << error;
    ASSERT_NO_FATAL_FAILURE(CompareWithFile(file));
    ASSERT_TRUE(m_harness.Restart());
    ASSERT_NO_FATAL_FAILURE(CompareWithFile(file));
    ++m_counts.restarts;
    for (auto& [id, e] : m_expected) {
        // An alarm still ringing when the program ended rings again at once.
        e.ringsAgain = e.ringing;
        e.ringing = false;
        e.answer.reset();
    }
}

void SoakRun::CompareWithFile(const CCalendarData& file) const {
    std::size_t compared = 0;
    for (const auto& [id, note] : m_harness.Data().m_noteManager.Notes()) {
        if (note->m_nType == kNoteHoliday) continue;
        const CNote* stored = file.LookupNote(id);
        ASSERT_NE(stored, nullptr)
            << "note " << id << " \"" << note->m_strTitle << "\" not in the file"
            << " end " << note->m_dtEnd.Format("%c") << " start " << note->m_dtStart.Format("%c")
            << " alarm " << dynamic_cast<const COneTimeNote*>(note.get())->m_dtAlarm.Format("%c")
            << " now " << COleDateTime::GetCurrentTime().Format("%c");
        ASSERT_NO_FATAL_FAILURE(ExpectSameNote(*note, *stored));
        ++compared;
    }
    std::size_t inFile = 0;
    for (const auto& [id, note] : file.m_noteManager.Notes())
        if (note->m_nType != kNoteHoliday) ++inFile;
    EXPECT_EQ(compared, inFile);
}

// Exactly the notes the soak expects, each once, under its own title.
void SoakRun::CheckNotes(const char* when) {
    std::set<WORD> seen;
    for (const auto& [id, note] : Data().m_noteManager.Notes()) {
        if (note->m_nType != kNoteOneTime && note->m_nType != kNoteRecurring) continue;
        const auto it = m_expected.find(id);
        if (it == m_expected.end()) {
            Fault(0, id,
                  std::string("is there ") + when + ", but should be gone: \"" + note->m_strTitle +
                      "\"");
            continue;
        }
        EXPECT_EQ(note->m_strTitle, it->second.title) << when;
        seen.insert(id);
    }
    for (const auto& [id, e] : m_expected)
        if (!seen.count(id)) Fault(0, id, std::string("is lost ") + when);
}

void SoakRun::EndOfDay(Seconds now) {
    CheckNotes("at the end of a day");
    // The fakes' own records (every icon change, every sound) grow with each
    // ring: emptied first, so that the heap measured is the program's.
    std::vector<std::string>().swap(m_harness.Log());
    std::vector<std::string>().swap(m_harness.Audio().m_played);
    std::vector<std::string>().swap(m_harness.Audio().m_checked);
    m_days.push_back(MeasureMemory());
    std::printf("[ soak     ] %s  notes %zu  rung %ld  heap %ld KB  resident %ld KB\n",
                Stamp(now).c_str(), m_expected.size(), m_counts.rung, m_days.back().heapKb,
                m_days.back().residentKb);
    std::fflush(stdout);
}

// The heap after the first days: no steady growth. The least-squares slope
// over the days from the third on, times those days, stays within a margin.
void ExpectNoSteadyGrowth(const std::vector<Memory>& days) {
    constexpr std::size_t kSettle = 2;
    if (days.size() < kSettle + 4) return;
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t d = kSettle; d < days.size(); ++d) {
        const double x = static_cast<double>(d);
        const double y = static_cast<double>(days[d].heapKb);
        n += 1;
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const double span = static_cast<double>(days.size() - kSettle);
    constexpr double kMarginKb = 1024;
    EXPECT_LT(slope * span, kMarginKb) << "the heap grows by " << slope << " KB a day";
    long settled = 0;
    for (std::size_t d = kSettle; d < kSettle + 2; ++d)
        settled = std::max(settled, days[d].heapKb);
    EXPECT_LT(days.back().heapKb, settled + static_cast<long>(kMarginKb));
}

} // namespace
} // namespace soak

TEST(ReminderSoak, EveryOccurrenceRingsOnceAndNothingIsLostOrKept) {
    constexpr long kDefaultSeed = 20261208;
    const long notes = soak::EnvOr("ORRINDALE_SOAK_NOTES", 200);
    const long days = soak::EnvOr("ORRINDALE_SOAK_DAYS", 5);
    // A fixed seed unless told otherwise, so that every run of the suite
    // checks the same month; ORRINDALE_SOAK_SEED explores others.
    const std::uint64_t seed =
        static_cast<std::uint64_t>(soak::EnvOr("ORRINDALE_SOAK_SEED", kDefaultSeed));
    std::printf("[ soak     ] %ld notes, %ld days, seed %llu (ORRINDALE_SOAK_SEED)\n", notes, days,
                static_cast<unsigned long long>(seed));
    soak::SoakRun run(notes, days, seed);
    run.Run();
    const soak::Counts& c = run.GetCounts();
    std::printf(
        "[ soak     ] rung %ld (again after a restart %ld), acknowledged %ld, snoozed %ld, "
        "answered late %ld, deleted %ld, retired %ld, edited %ld, restarts %ld, notes left %zu\n",
        c.rung, c.rungAgainAfterRestart, c.acknowledged, c.snoozed, c.answeredLate, c.deleted,
        c.retired, c.edited, c.restarts, run.NotesLeft());
    for (const std::string& fault : run.Faults())
        ADD_FAILURE() << fault;
    EXPECT_GT(c.rung, notes) << "the month rang too little to tell anything";
    soak::ExpectNoSteadyGrowth(run.Days());
}
