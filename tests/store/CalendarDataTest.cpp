#include "store/CalendarData.h"

#include "store/ProgramFlags.h"
#include "store/SafeFile.h"
#include "store/TimeFormats.h"
#include "tests/store/NoteCompare.h"
#include "tests/store/NoteFactory.h"
#include "tests/store/SampleData.h"
#include "tests/support/DataFileWriter.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(CSafeFile::Read(path, bytes)) << path;
    return bytes;
}

COleDateTime DateAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::int32_t status = 0;
    COleDateTime dt;
    std::memcpy(&status, bytes.data() + offset, 4);
    std::memcpy(&dt.m_dt, bytes.data() + offset + 4, 8);
    dt.SetStatus(static_cast<COleDateTime::DateTimeStatus>(status));
    return dt;
}

QStringList FilesIn(const std::string& dir) {
    return QDir(QString::fromStdString(dir))
        .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

// While it lives, this process may write no file larger than `bytes` (root
// included, unlike a read-only directory); writes past it fail.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_handler)(int);
};

class CalendarDataTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override {
        ResetProgramFlags();
        SetTimeFormats(0);
    }

    std::string DataFile() const { return m_home.File("Note.Dat"); }

    // A data file saved `age` ago, holding one memo.
    void WriteFileSavedAgo(const COleDateTimeSpan& age) {
        CDataFileWriter w;
        FileNote memo;
        memo.id = 600;
        w.Header(COleDateTime(2020, 1, 1, 0, 0, 0), kNow - age).Settings({}).NotesHeader(1, 601);
        w.Note(memo);
        ASSERT_TRUE(w.WriteTo(DataFile()));
    }

    CTempHome m_home;
    CFakeMessageBox m_box;
    CTestClock m_clock{kNow};
};

TEST_F(CalendarDataTest, ConstructorDefaults) {
    CCalendarData data;
    EXPECT_EQ(data.m_dLatDeg, 40.0);
    EXPECT_EQ(data.m_dLatMin, 43.0);
    EXPECT_EQ(data.m_dLongDeg, 74.0);
    EXPECT_EQ(data.m_dLongMin, 1.0);
    EXPECT_EQ(data.m_nClearHistoryDays, 30);
    EXPECT_EQ(data.m_bCalendarView, 1);
    EXPECT_EQ(data.m_nAlarmSound, 147);
    EXPECT_EQ(data.m_nStopAlarmSeconds, 60);
    EXPECT_EQ(data.m_bShowRecurrence, 1);
    EXPECT_EQ(data.m_nOptionB, 1);
    EXPECT_EQ(data.m_bSaveHistory, 1);
    EXPECT_EQ(data.m_bMonthView, 0);
    EXPECT_EQ(data.m_b24Hour, 0);
    EXPECT_EQ(data.m_bWeekStartsSunday, 1);
    EXPECT_EQ(data.m_rcMainWindow, (RECT{0, -100, 0, 0}));
    EXPECT_EQ(data.m_nListFilter, 0);
    EXPECT_EQ(data.m_arrCategories.size(), 5u);
    EXPECT_EQ(data.m_noteManager.m_nNextID, 600);
    EXPECT_EQ(g_strTimeFormat, "%#I:%M %p");
    EXPECT_EQ(CCalendarData::GetProgramVersion(), 1.5f);
}

TEST_F(CalendarDataTest, TheFirstRunShowsOnlyTheWelcomeNoteOnTheDesktop) {
    CCalendarData data;
    ASSERT_TRUE(data.Load());
    ASSERT_EQ(data.m_noteManager.GetCount(), 1u);
    const CNote& welcome = *data.m_noteManager.Notes().begin()->second;
    EXPECT_EQ(welcome.m_nID, 600);
    EXPECT_EQ(welcome.m_nType, kNoteMemo);
    EXPECT_EQ(welcome.m_strTitle, "Welcome !");
    EXPECT_EQ(welcome.m_strText.rfind("Orrindale icon is in the system tray.", 0), 0u);
    EXPECT_EQ(welcome.m_bOnDesktop, 1);
    EXPECT_EQ(welcome.m_wCategoryID, 0);
    EXPECT_EQ(welcome.m_dtStart, kNow);
    EXPECT_EQ(data.m_dtFirstSaved, kNow);
    EXPECT_EQ(data.m_arrCategories.size(), 5u);
    EXPECT_TRUE(FilesIn(m_home.Path()).isEmpty()); // nothing written until the first save
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(CalendarDataTest, SaveAndLoadThroughTheProgramDirectory) {
    CCalendarData saved;
    FillEverything(saved, kNow);
    ASSERT_TRUE(saved.Save());
    EXPECT_EQ(saved.m_dtFirstSaved, kNow);
    const auto bytes = FileBytes(DataFile());
    EXPECT_EQ(DateAt(bytes, 0), kNow);
    EXPECT_EQ(FilesIn(m_home.Path()), QStringList{"Note.Dat"});

    // Later saves keep the first stamp and move the second.
    m_clock.Advance(CUtility::OneHour);
    ASSERT_TRUE(saved.Save());
    const auto later = FileBytes(DataFile());
    EXPECT_EQ(DateAt(later, 0), kNow);
    EXPECT_EQ(DateAt(later, 12), kNow + CUtility::OneHour);

    ResetProgramFlags();
    CCalendarData loaded;
    ASSERT_TRUE(loaded.Load());
    ExpectSameSettings(saved, loaded);
    ExpectSameNotes(saved.m_noteManager, loaded.m_noteManager);
    EXPECT_EQ(g_bShowSunInfo, 1);
    EXPECT_TRUE(m_box.m_shown.empty());
    EXPECT_FALSE(CSafeFile::Exists(m_home.File("Note.bak"))); // saved an hour ago
}

TEST_F(CalendarDataTest, AFileLastSavedMoreThanADayAgoIsBackedUp) {
    WriteFileSavedAgo(CUtility::OneDay + CUtility::OneHour);
    CCalendarData data;
    ASSERT_TRUE(data.Load());
    ASSERT_TRUE(CSafeFile::Exists(m_home.File("Note.bak")));
    const auto backup = FileBytes(m_home.File("Note.bak"));
    // The backup carries its own write time in both stamps.
    EXPECT_EQ(DateAt(backup, 0), kNow);
    EXPECT_EQ(DateAt(backup, 12), kNow);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(DataFile())));
    ASSERT_TRUE(CSafeFile::Rename(m_home.File("Note.bak"), DataFile()));
    CCalendarData fromBackup;
    ASSERT_TRUE(fromBackup.Load());
    ExpectSameNotes(data.m_noteManager, fromBackup.m_noteManager);
}

TEST_F(CalendarDataTest, AFileSavedWithinADayIsNotBackedUp) {
    for (const COleDateTimeSpan& age : {CUtility::OneDay - CUtility::OneHour, CUtility::OneDay}) {
        WriteFileSavedAgo(age);
        CCalendarData data;
        ASSERT_TRUE(data.Load());
        EXPECT_FALSE(CSafeFile::Exists(m_home.File("Note.bak")));
    }
}

// A file far larger than what the loader reads at once, with a note count
// (17,000 x 4 bytes) and a text in the middle note that each need more than
// one piece of it.
constexpr int kManyNotes = 17000;
constexpr int kLongTextNote = kManyNotes / 2;

std::string ManyNotesText(int i) {
    return std::string(i == kLongTextNote ? 200000 : 100 + i % 300,
                       static_cast<char>('a' + i % 26));
}

CDataFileWriter ManyNotes(std::size_t& longTextRecord) {
    CDataFileWriter w;
    w.Header(COleDateTime(2020, 1, 1, 0, 0, 0), kNow).Settings({}).NotesHeader(kManyNotes, 600);
    FileNote note;
    for (int i = 0; i < kManyNotes; ++i) {
        note.id = 600 + i;
        note.title = "note " + std::to_string(i);
        note.text = ManyNotesText(i);
        if (i == kLongTextNote) longTextRecord = w.Size();
        w.Note(note);
    }
    return w;
}

TEST_F(CalendarDataTest, LargeFilesAreReadAndWrittenInPieces) {
    std::size_t longTextRecord = 0;
    const CDataFileWriter w = ManyNotes(longTextRecord);
    ASSERT_TRUE(w.WriteTo(DataFile()));
    CCalendarData data;
    ASSERT_TRUE(data.Load());
    ASSERT_EQ(data.m_noteManager.GetCount(), static_cast<std::size_t>(kManyNotes));
    for (int i : {0, 1, kLongTextNote, kManyNotes - 1}) {
        const CNote* note = data.LookupNote(static_cast<WORD>(600 + i));
        ASSERT_NE(note, nullptr) << i;
        EXPECT_EQ(note->m_strTitle, "note " + std::to_string(i));
        EXPECT_EQ(note->m_strText, ManyNotesText(i));
    }
    // The same bytes as the writer's, apart from the two time stamps.
    ASSERT_TRUE(data.Save());
    const auto saved = FileBytes(DataFile());
    ASSERT_EQ(saved.size(), w.Size());
    EXPECT_TRUE(std::equal(saved.begin() + 24, saved.end(), w.Bytes().begin() + 24));

    // Cut inside the long text: the notes before it stay.
    ASSERT_TRUE(w.WriteTo(DataFile(), longTextRecord + 100000));
    CCalendarData damaged;
    EXPECT_FALSE(damaged.Load());
    EXPECT_EQ(damaged.m_noteManager.GetCount(), static_cast<std::size_t>(kLongTextNote));
    EXPECT_EQ(damaged.LookupNote(static_cast<WORD>(600 + kLongTextNote)), nullptr);
}

TEST_F(CalendarDataTest, ACountBeyondTheFileIsAReadErrorEvenWhenReadInPieces) {
    CDataFileWriter w;
    w.Header(COleDateTime(2020, 1, 1, 0, 0, 0), kNow).Settings({}).NotesHeader(0x7FFFFFFF, 600);
    w.Raw(std::string(300000, 'x'));
    ASSERT_TRUE(w.WriteTo(DataFile()));
    CCalendarData data;
    EXPECT_FALSE(data.Load());
    EXPECT_EQ(data.m_noteManager.GetCount(), 0u);
}

TEST_F(CalendarDataTest, AFailedSaveLeavesTheOldFileAsItWas) {
    CCalendarData data;
    data.AddNote(MakeMemo("kept", kNow));
    ASSERT_TRUE(data.Save());
    const auto before = FileBytes(DataFile());

    // A note far larger than the file size the process may now write.
    auto big = MakeMemo("big", kNow);
    big->m_strText.assign(1 << 20, 'x');
    data.AddNote(std::move(big));
    BOOL saved = 1;
    {
        const CFileSizeLimit limit(64 * 1024);
        saved = data.Save();
    }
    EXPECT_FALSE(saved);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, "Fail to save data");
    EXPECT_EQ(m_box.m_shown[0].buttons, CMessageBox::kButtonsOk);
    EXPECT_EQ(FileBytes(DataFile()), before);
    EXPECT_EQ(FilesIn(m_home.Path()), QStringList{"Note.Dat"}); // no half-written leftovers
}

TEST_F(CalendarDataTest, SavingOverSomethingThatIsNoFileFailsAndOnlySaveSaysSo) {
    ASSERT_TRUE(QDir(QString::fromStdString(m_home.Path())).mkdir("Note.bak"));
    CCalendarData data;
    EXPECT_FALSE(data.SaveQuietly("Note.bak"));
    EXPECT_TRUE(m_box.m_shown.empty());
    EXPECT_FALSE(data.Save("Note.bak"));
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text, "Fail to save data");
    EXPECT_EQ(FilesIn(m_home.Path()), QStringList{"Note.bak"});
}

TEST_F(CalendarDataTest, ADamagedFileIsKeptBesideTheOneTheNextSaveWrites) {
    CDataFileWriter w;
    FileNote memo;
    memo.id = 600, memo.title = "before the damage";
    FileNote once;
    once.kind = 1, once.id = 601, once.remind = 1;
    w.Header(COleDateTime(2020, 1, 1, 0, 0, 0), kNow - CUtility::SevenDay,
             COleDateTime(2026, 12, 1, 0, 0, 0), 4242);
    w.Settings({}).NotesHeader(2, 602).Note(memo).Note(once);
    ASSERT_TRUE(w.WriteTo(DataFile(), w.Size() - 3));
    const auto damaged = FileBytes(DataFile());

    CCalendarData data;
    data.SetHolidayLoader([](CNoteManager& notes) { notes.Add(MakeHoliday("New Year", 1, 1)); });
    EXPECT_FALSE(data.Load());

    const std::string copy = DataFile() + ".damaged-20261208-0930";
    EXPECT_EQ(data.GetDamagedFileCopy(), copy);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].text.rfind("Data Read Error!", 0), 0u);
    EXPECT_NE(m_box.m_shown[0].text.find(copy), std::string::npos);
    EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconStop);
    EXPECT_EQ(FileBytes(copy), damaged);
    // What was read stays; no backup, and the alarm is the file's until recomputed.
    EXPECT_EQ(data.m_noteManager.GetCount(), 2u);
    EXPECT_EQ(data.LookupNote(600)->m_strTitle, "before the damage");
    EXPECT_EQ(data.LookupNote(1)->m_nType, kNoteHoliday);
    EXPECT_FALSE(CSafeFile::Exists(m_home.File("Note.bak")));
    EXPECT_EQ(data.GetNextAlarmID(), 4242);

    ASSERT_TRUE(data.Save());
    EXPECT_EQ(FileBytes(copy), damaged);
    CCalendarData reloaded;
    EXPECT_TRUE(reloaded.Load());
    EXPECT_EQ(reloaded.LookupNote(600)->m_strTitle, "before the damage");
    EXPECT_EQ(m_box.m_shown.size(), 1u);
}

TEST_F(CalendarDataTest, ADamagedFileThatCannotBeCopiedIsRenamedBeforeTheNextSave) {
    const std::string junk(100 * 1024, 'j');
    ASSERT_TRUE(CDataFileWriter().Raw(junk).WriteTo(DataFile()));
    CCalendarData data;
    {
        const CFileSizeLimit limit(8 * 1024); // too small for the copy
        EXPECT_FALSE(data.Load());
    }
    const std::string kept = DataFile() + ".damaged-20261208-0930";
    EXPECT_FALSE(CSafeFile::Exists(kept));
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_NE(m_box.m_shown[0].text.find("will be renamed to " + kept), std::string::npos);

    ASSERT_TRUE(data.Save());
    std::vector<std::uint8_t> keptBytes = FileBytes(kept);
    EXPECT_EQ(std::string(keptBytes.begin(), keptBytes.end()), junk);
    CCalendarData reloaded;
    EXPECT_TRUE(reloaded.Load());
}

TEST_F(CalendarDataTest, TwoDamagedLoadsInOneMinuteKeepTwoCopies) {
    ASSERT_TRUE(CDataFileWriter().Raw("not a data file").WriteTo(DataFile()));
    CCalendarData data;
    EXPECT_FALSE(data.Load());
    EXPECT_FALSE(data.Load());
    EXPECT_EQ(FilesIn(m_home.Path()).size(), 3);
    EXPECT_EQ(data.GetDamagedFileCopy(), DataFile() + ".damaged-20261208-0930-2");
}

TEST_F(CalendarDataTest, HolidaysAreLoadedFirstAndNeverSaved) {
    int calls = 0;
    const auto loader = [&calls](CNoteManager& notes) {
        ++calls;
        EXPECT_EQ(notes.GetCount(), 0u); // emptied before
        for (int month = 1; month <= 12; ++month)
            notes.Add(MakeHoliday("holiday", month, 1));
    };
    CCalendarData data;
    data.SetHolidayLoader(loader);
    ASSERT_TRUE(data.Load());
    for (const char* title : {"a", "b", "c"})
        data.AddNote(MakeMemo(title, kNow));
    ASSERT_TRUE(data.Save());

    CCalendarData reloaded;
    reloaded.SetHolidayLoader(loader);
    ASSERT_TRUE(reloaded.Load());
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(reloaded.m_noteManager.GetCount(), 16u); // 12 holidays, welcome and a, b, c
    EXPECT_EQ(reloaded.LookupNote(12)->m_nType, kNoteHoliday);
    EXPECT_EQ(reloaded.LookupNote(13), nullptr);
    EXPECT_EQ(reloaded.LookupNote(603)->m_strTitle, "c");
}

TEST_F(CalendarDataTest, CloneMakesANewNoteOfTheSameClass) {
    CCalendarData data;
    const CNote* memo = data.AddNote(MakeMemo("memo", kNow, 2));
    const CNote* repeated = data.AddNote(MakeRepeated("weekly", kNow, kRepeatWeek, 1, 1, 1));
    CNote* memoCopy = data.Clone(*memo, 0);
    ASSERT_NE(memoCopy, nullptr);
    EXPECT_EQ(memoCopy->m_nID, 602);
    EXPECT_EQ(memoCopy->m_strTitle, "memo");
    EXPECT_EQ(memoCopy->m_wCategoryID, 2);
    EXPECT_EQ(memoCopy->m_bHistory, 0);
    CNote* history = data.Clone(*repeated, 1);
    ASSERT_NE(history, nullptr);
    EXPECT_NE(dynamic_cast<CRecurringNote*>(history), nullptr);
    EXPECT_EQ(history->m_bHistory, 1);
    EXPECT_EQ(data.GetNextAlarmID(), repeated->m_nID);

    const CNote* holiday = data.AddNote(MakeHoliday("New Year", 1, 1));
    EXPECT_EQ(data.Clone(*holiday, 0), nullptr);
    EXPECT_EQ(data.m_noteManager.GetCount(), 5u);
}

TEST_F(CalendarDataTest, ClosingAnAlarmKeepsAHistoryCopyWhenAsked) {
    CCalendarData data;
    const int ringing = data.AddNote(MakeOneTime("ringing", kNow, 1))->m_nID;
    const int next = data.AddNote(MakeOneTime("next", kNow + CUtility::OneDay, 1))->m_nID;
    data.LookupNote(static_cast<WORD>(ringing))->m_bAlarmActive = 1;
    const COleDateTime when = kNow - CUtility::OneMinute;
    m_clock.Advance(CUtility::OneMinute);

    data.CloseAlarm(static_cast<WORD>(ringing), when, 1, 1);
    EXPECT_EQ(data.LookupNote(static_cast<WORD>(ringing)), nullptr);
    const CNote* copy = data.LookupNote(static_cast<WORD>(next + 1));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->m_strTitle, "ringing");
    EXPECT_EQ(copy->m_bHistory, 1);
    EXPECT_EQ(copy->m_bAlarmActive, 0);
    EXPECT_EQ(copy->m_dtStart, when);
    EXPECT_EQ(copy->m_dtEnd, kNow + CUtility::OneMinute);
    EXPECT_EQ(data.GetNextAlarmID(), next);

    // Without the option, or without keepHistory, no copy; the note may stay.
    data.m_bSaveHistory = 0;
    data.CloseAlarm(static_cast<WORD>(next), when, 0, 1);
    data.m_bSaveHistory = 1;
    data.CloseAlarm(static_cast<WORD>(next), when, 0, 0);
    EXPECT_EQ(data.m_noteManager.GetCount(), 2u);
    data.CloseAlarm(9999, when, 1, 1); // gone already: nothing happens
    EXPECT_EQ(data.m_noteManager.GetCount(), 2u);
}

TEST_F(CalendarDataTest, TheGridShowsEveryOccurrenceOnlyWhenAsked) {
    CCalendarData data;
    data.AddNote(MakeRepeated("daily", kNow - CUtility::OneDay * 30, kRepeatDay));
    const COleDateTime from(2026, 11, 29, 0, 0, 0);
    std::vector<std::vector<CNoteOccurrence>> days;
    data.FillGrid(days, 0, from, from + CUtility::FortyTwoDay);
    std::size_t total = 0;
    for (const auto& day : days)
        total += day.size();
    EXPECT_EQ(total, 42u);
    data.m_bShowRecurrence = 0;
    data.FillGrid(days, 0, from, from + CUtility::FortyTwoDay);
    total = 0;
    for (const auto& day : days)
        total += day.size();
    EXPECT_EQ(total, 1u);
}

TEST_F(CalendarDataTest, AddingPastTheLastIDTellsTheUser) {
    CCalendarData data;
    for (int i = 0; i < 599; ++i)
        ASSERT_NE(data.AddNote(MakeHoliday("h", 1, 1)), nullptr);
    EXPECT_EQ(data.AddNote(MakeHoliday("one too many", 1, 1)), nullptr);
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].caption, "Warning");
    EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconWarning);
}

TEST_F(CalendarDataTest, AReadOnlyLoadReadsAndPurgesAsLoadDoesButWritesNothing) {
    // Two days old, so that Load would make a backup; the ended repeated
    // note and the old history copy are purged by both.
    FileNote kept, ended, old;
    kept.id = 600;
    ended.kind = kNoteRecurring;
    ended.id = 601;
    ended.end = kNow - CUtility::OneDay;
    old.id = 602;
    old.history = 1;
    old.start = kNow - CUtility::OneDay * 31;
    CDataFileWriter w;
    w.Header(COleDateTime(2020, 1, 1, 0, 0, 0), kNow - CUtility::OneDay * 2).Settings({});
    w.NotesHeader(3, 603).Note(kept).Note(ended).Note(old);
    using Result = CCalendarData::ReadOnlyLoad;
    // How much of the file there is; what it reads; how many notes it keeps,
    // the holiday included (all read before the damage stays).
    const struct {
        std::size_t size;
        Result expected;
        std::size_t notes;
    } cases[] = {{SIZE_MAX, Result::kLoaded, 2},
                 {w.Size() - 10, Result::kUnreadable, 2},
                 {0, Result::kMissing, 1}};
    for (const auto& c : cases) {
        QFile::remove(QString::fromStdString(DataFile()));
        ASSERT_TRUE(c.size == 0 || w.WriteTo(DataFile(), c.size));
        const QStringList files = FilesIn(m_home.Path());
        const auto bytes = c.size ? FileBytes(DataFile()) : std::vector<std::uint8_t>();
        CCalendarData data;
        data.SetHolidayLoader([](CNoteManager& manager) {
            manager.Add(std::make_unique<CNote>(kNoteHoliday, "Harvest", "", kNow, 999));
        });
        std::string error;
        EXPECT_EQ(data.LoadReadOnly(DataFile(), error), c.expected) << c.size;
        EXPECT_EQ(error.empty(), c.expected != Result::kUnreadable) << error;
        EXPECT_EQ(data.m_noteManager.GetCount(), c.notes) << c.size;
        EXPECT_EQ(FilesIn(m_home.Path()), files) << c.size << ": no backup, no copy";
        EXPECT_EQ(c.size ? FileBytes(DataFile()) : bytes, bytes);
        EXPECT_TRUE(m_box.m_shown.empty());
    }
    // What it keeps is what Load keeps.
    ASSERT_TRUE(w.WriteTo(DataFile()));
    CCalendarData readOnly, loaded;
    std::string error;
    ASSERT_EQ(readOnly.LoadReadOnly(DataFile(), error), Result::kLoaded);
    ASSERT_TRUE(loaded.Load());
    ExpectSameNotes(loaded.m_noteManager, readOnly.m_noteManager);
    ExpectSameSettings(loaded, readOnly);
}

// A data file read through a pipe (the agenda's --data <(...)) comes in
// pieces of what the writer had written so far; a short piece is not the end.
TEST_F(CalendarDataTest, ADataFileThroughAPipeIsReadWhole) {
    constexpr int kNotes = 3000; // some 400 KB: many windows of the reader
    CDataFileWriter w;
    w.Header(COleDateTime(2020, 1, 1, 0, 0, 0), kNow).Settings({});
    w.NotesHeader(kNotes, kNotes + 1);
    for (int i = 1; i <= kNotes; ++i) {
        FileNote note;
        note.id = i;
        if (i == kNotes / 2) note.text = std::string(100000, 'x'); // longer than a window
        w.Note(note);
    }
    const std::string fifo = m_home.File("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // A reader that gives up early closes the pipe: the writer then stops
    // on the failed write instead of the signal ending the test.
    const auto pipeSignal = std::signal(SIGPIPE, SIG_IGN);
    std::thread writer([&w, &fifo] {
        std::FILE* out = std::fopen(fifo.c_str(), "wb");
        for (std::size_t at = 0; out && at < w.Size(); at += 7000) {
            const std::size_t n = std::min<std::size_t>(7000, w.Size() - at);
            if (std::fwrite(w.Bytes().data() + at, 1, n, out) != n || std::fflush(out) != 0) break;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        if (out) std::fclose(out);
    });
    CCalendarData data;
    std::string error;
    EXPECT_EQ(data.LoadReadOnly(fifo, error), CCalendarData::ReadOnlyLoad::kLoaded) << error;
    writer.join();
    std::signal(SIGPIPE, pipeSignal);
    EXPECT_EQ(data.m_noteManager.GetCount(), static_cast<std::size_t>(kNotes));
}

} // namespace
