#include "store/DataFile.h"

#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "store/TimeFormats.h"
#include "tests/store/NoteCompare.h"
#include "tests/store/NoteFactory.h"
#include "tests/store/SampleData.h"
#include "tests/support/DataFileWriter.h"
#include "tests/support/TestClock.h"
#include "zadad/Archive.h"
#include "zadad/Utility.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);
const COleDateTime kFirstSaved(2024, 3, 1, 8, 0, 0);
const COleDateTime kLastSaved(2026, 12, 7, 22, 15, 0);

std::vector<std::uint8_t> Stored(CCalendarData& data) {
    CArchive ar;
    CDataFile::Store(ar, data, kFirstSaved, kNow);
    return ar.Buffer();
}

// Loads bytes into data; false when the loader reported a damaged file.
bool LoadInto(CCalendarData& data, const std::vector<std::uint8_t>& bytes) {
    CArchive ar(bytes);
    try {
        CDataFile::Load(ar, data);
    } catch (const CArchiveException&) {
        return false;
    }
    EXPECT_EQ(ar.Remaining(), 0u);
    return true;
}

std::int32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::int32_t v = 0;
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
}

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override {
        ResetProgramFlags();
        SetTimeFormats(0);
    }

    // A header and settings block of this program's own form, ready for notes.
    CDataFileWriter Start(const FileSettings& settings = {}) {
        CDataFileWriter w;
        w.Header(kFirstSaved, kLastSaved).Settings(settings);
        return w;
    }

    CTestClock m_clock{kNow};
};

// ---- what the writer produces ----------------------------------------------------

TEST_F(DataFileTest, AFileStartsWithFortyBytesOfHeaderThenVersion1500) {
    CCalendarData data;
    data.m_noteManager.m_nNextAlarmID = 612;
    data.m_noteManager.m_dtNextAlarm = COleDateTime(2026, 12, 9, 7, 0, 0);
    g_fFileVersion = 1.0f;
    const auto bytes = Stored(data);
    CDataFileWriter expected;
    expected.Header(kFirstSaved, kNow, COleDateTime(2026, 12, 9, 7, 0, 0), 612).Int32(1500);
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_TRUE(std::equal(expected.Bytes().begin(), expected.Bytes().end(), bytes.begin()));
    EXPECT_EQ(g_fFileVersion, 1.5f);
}

TEST_F(DataFileTest, TheNoteCountLeavesOutHolidays) {
    CCalendarData empty;
    const std::size_t notesBlock = Stored(empty).size() - 8;
    CCalendarData data;
    for (int i = 0; i < 12; ++i)
        data.m_noteManager.Add(MakeHoliday("holiday", 1, 1 + i));
    for (int i = 0; i < 3; ++i)
        data.m_noteManager.Add(MakeMemo("note", kNow));
    const auto bytes = Stored(data);
    EXPECT_EQ(Int32At(bytes, notesBlock), 3);
    EXPECT_EQ(Int32At(bytes, notesBlock + 4), 603);

    CCalendarData loaded;
    ASSERT_TRUE(LoadInto(loaded, bytes));
    EXPECT_EQ(loaded.m_noteManager.GetCount(), 3u);
}

// ---- round trip ----------------------------------------------------------------

TEST_F(DataFileTest, EverySettingAndEveryNoteFieldRoundTrips) {
    CCalendarData saved;
    FillEverything(saved, kNow);
    const auto bytes = Stored(saved);

    ResetProgramFlags();
    CCalendarData loaded;
    ASSERT_TRUE(LoadInto(loaded, bytes));
    ExpectSameSettings(saved, loaded);
    ExpectSameNotes(saved.m_noteManager, loaded.m_noteManager);
    EXPECT_EQ(loaded.m_dtFirstSaved, kFirstSaved);
    EXPECT_EQ(loaded.m_dtLastSaved, kNow);
    EXPECT_EQ(loaded.m_noteManager.m_nNextAlarmID, 602);
    EXPECT_EQ(loaded.m_noteManager.m_dtNextAlarm, COleDateTime(2026, 12, 13, 9, 30, 0));
    EXPECT_EQ(g_bShowHistory, 0);
    EXPECT_EQ(g_bShowCountdownDefault, 0);
    EXPECT_EQ(g_bShowSunInfo, 1);
    EXPECT_EQ(g_fFileVersion, 1.5f);
    EXPECT_EQ(g_strTimeFormat, "%#H:%M");

    // Written again, the file is the same byte for byte.
    EXPECT_EQ(Stored(loaded), bytes);
}

TEST_F(DataFileTest, NonAsciiTextIsStoredInTheUnicodeForm) {
    CCalendarData data;
    data.m_noteManager.Add(MakeMemo("\xD0\x9F\xD1\x80\xD0\xB8", kNow)); // Cyrillic
    const auto bytes = Stored(data);
    const std::vector<std::uint8_t> marker = {0xFF, 0xFE, 0xFF, 3, 0x1F, 0x04, 0x40, 0x04};
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end()), bytes.end());
}

// ---- what the reader makes of files the program never writes -------------------------

FileNote DistinctRecurring() {
    FileNote n;
    n.kind = 2;
    n.title = "Dentist";
    n.text = "{\\rtf1 chair}";
    n.history = 0, n.active = 1, n.remind = 1, n.category = 7;
    n.start = COleDateTime(2026, 3, 27, 14, 15, 0);
    n.end = COleDateTime(2030, 1, 1, 0, 0, 0);
    n.id = 612;
    n.window[0] = 1, n.window[1] = 2, n.window[2] = 3, n.window[3] = 4;
    n.windowAlt[0] = 5, n.windowAlt[1] = 6, n.windowAlt[2] = 7, n.windowAlt[3] = 8;
    n.wndFlag = 3, n.topMost = 0, n.reserved1 = 17, n.crTitle = 0x010203, n.crBack = 0x040506;
    n.showCountdown = 1, n.countdownParts = 6, n.onDesktop = 1, n.hasWindowRect = 1;
    n.font = {-13, 2, 3, 4, 700, 1, 1, 0, 1, 2, 3, 4, 0x31, "Tahoma"};
    n.alarm = COleDateTime(2026, 12, 23, 14, 15, 0);
    n.remindDays = 2;
    n.occurrence = COleDateTime(2026, 12, 25, 14, 15, 0);
    n.reserved2 = 77;
    n.repeatUnit = 4, n.repeatEvery = 2, n.lastOccurrence = COleDateTime(2026, 10, 30, 14, 15, 0);
    n.weekDay = 6, n.byWeekDay = 1, n.weekOrdinal = 5, n.month = 3;
    return n;
}

void ExpectDistinctRecurring(const CNote& note, bool withReserved2) {
    EXPECT_EQ(note.m_nType, kNoteRecurring);
    EXPECT_EQ(note.m_strTitle, "Dentist");
    EXPECT_EQ(note.m_strText, "{\\rtf1 chair}");
    EXPECT_EQ(note.m_bRemind, 1);
    EXPECT_EQ(note.m_wCategoryID, 7);
    EXPECT_EQ(note.m_dtStart, COleDateTime(2026, 3, 27, 14, 15, 0));
    EXPECT_EQ(note.m_dtEnd, COleDateTime(2030, 1, 1, 0, 0, 0));
    EXPECT_EQ(note.m_nID, 612);
    EXPECT_EQ(note.m_rcWindow, (RECT{2, 1, 4, 3}));
    EXPECT_EQ(note.m_rcWindowAlt, (RECT{6, 5, 8, 7}));
    EXPECT_EQ(note.m_nWndFlag, 3);
    EXPECT_EQ(note.m_bTopMost, 0);
    EXPECT_EQ(note.m_nReserved1, 17);
    EXPECT_EQ(note.m_crTitle, 0x010203u);
    EXPECT_EQ(note.m_crBack, 0x040506u);
    EXPECT_EQ(note.m_bShowCountdown, 1);
    EXPECT_EQ(note.m_nCountdownParts, 6);
    EXPECT_EQ(note.m_bOnDesktop, 1);
    EXPECT_EQ(note.m_bHasWindowRect, 1);
    EXPECT_EQ(note.m_lfFont.lfHeight, -13);
    EXPECT_EQ(note.m_lfFont.lfWeight, 700);
    EXPECT_EQ(note.m_lfFont.lfPitchAndFamily, 0x31);
    EXPECT_EQ(note.m_lfFont.FaceName(), "Tahoma");
    const CRecurringNote* r = AsRecurring(note);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->m_dtAlarm, COleDateTime(2026, 12, 23, 14, 15, 0));
    EXPECT_EQ(r->m_nRemindDays, 2);
    EXPECT_EQ(r->m_dtOccurrence, COleDateTime(2026, 12, 25, 14, 15, 0));
    EXPECT_EQ(r->m_nReserved2, withReserved2 ? 77 : 0);
    EXPECT_EQ(r->m_nRepeatUnit, 4);
    EXPECT_EQ(r->m_nRepeatEvery, 2);
    EXPECT_EQ(r->m_dtLastOccurrence, COleDateTime(2026, 10, 30, 14, 15, 0));
    EXPECT_EQ(r->m_nWeekDay, 6);
    EXPECT_EQ(r->m_bByWeekDay, 1);
    EXPECT_EQ(r->m_nWeekOrdinal, 5);
    EXPECT_EQ(r->m_nMonth, 3);
}

FileSettings DistinctSettings() {
    FileSettings s;
    s.calendarView = 0, s.listFilter = 2, s.categoryFilter = 3, s.weekStartsSunday = 0;
    s.weekFromSunday = 0, s.hour24 = 1, s.monthView = 1, s.optionB = 11;
    s.showRecurrence = 0, s.showHistory = 0, s.appearance = 5;
    s.windowTexture = "wood.bmp", s.toolbarTexture = "stone.jpg";
    s.crText = 0x112233, s.crTextBack = 0x445566;
    s.categories = {{0, "All"}, {7, "Dentist"}, {9, "Gym"}};
    s.nextCategoryID = 10, s.alarmSound = 148, s.waveFile = "bell.wav";
    s.optionA = 21, s.optionC = 23, s.stopAlarmSeconds = 90, s.showCountdownDefault = 0;
    s.saveHistory = 0, s.clearHistoryDays = 45;
    s.mainWindow[0] = 10, s.mainWindow[1] = 20, s.mainWindow[2] = 810, s.mainWindow[3] = 620;
    s.showSunInfo = 1;
    const double location[7] = {51.0, 28.0, 38.0, 0.5, 7.0, 39.0, 1.0};
    std::copy(std::begin(location), std::end(location), std::begin(s.location));
    s.daylightSaving = 1;
    return s;
}

// Fields 2 to 28, which every format has.
void ExpectDistinctSettings(const CCalendarData& d) {
    EXPECT_EQ(d.m_bCalendarView, 0);
    EXPECT_EQ(d.m_nListFilter, 2);
    EXPECT_EQ(d.m_nCategoryFilter, 3);
    EXPECT_EQ(d.m_bWeekStartsSunday, 0);
    EXPECT_EQ(d.m_noteManager.m_bWeekFromSunday, 0);
    EXPECT_EQ(d.m_b24Hour, 1);
    EXPECT_EQ(d.m_bMonthView, 1);
    EXPECT_EQ(d.m_nOptionB, 11);
    EXPECT_EQ(d.m_bShowRecurrence, 0);
    EXPECT_EQ(g_bShowHistory, 0);
    EXPECT_EQ(d.m_nAppearanceOption, 5);
    EXPECT_EQ(d.m_strWindowTexture, "wood.bmp");
    EXPECT_EQ(d.m_strToolbarTexture, "stone.jpg");
    EXPECT_EQ(d.m_crText, 0x112233u);
    EXPECT_EQ(d.m_crTextBack, 0x445566u);
    EXPECT_EQ(d.m_arrCategories, (std::vector<CCategory>{{0, "All"}, {7, "Dentist"}, {9, "Gym"}}));
    EXPECT_EQ(d.m_nNextCategoryID, 10);
    EXPECT_EQ(d.m_nAlarmSound, 148);
    EXPECT_EQ(d.m_strWaveFile, "bell.wav");
    EXPECT_EQ(d.m_nOptionA, 21);
    EXPECT_EQ(d.m_nOptionC, 23);
    EXPECT_EQ(d.m_nStopAlarmSeconds, 90);
    EXPECT_EQ(g_bShowCountdownDefault, 0);
    EXPECT_EQ(d.m_bSaveHistory, 0);
    EXPECT_EQ(d.m_nClearHistoryDays, 45);
    EXPECT_EQ(d.m_rcMainWindow, (RECT{10, 20, 810, 620}));
}

TEST_F(DataFileTest, TheReaderPutsEveryFieldOfTheCurrentFormInItsPlace) {
    CDataFileWriter w = Start(DistinctSettings());
    w.NotesHeader(1, 700).Note(DistinctRecurring());
    CCalendarData data;
    ASSERT_TRUE(LoadInto(data, w.Bytes()));
    EXPECT_EQ(data.m_dtFirstSaved, kFirstSaved);
    EXPECT_EQ(data.m_dtLastSaved, kLastSaved);
    ExpectDistinctSettings(data);
    EXPECT_EQ(g_bShowSunInfo, 1);
    EXPECT_EQ(data.m_dLatDeg, 51.0);
    EXPECT_EQ(data.m_dLatMin, 28.0);
    EXPECT_EQ(data.m_dLatSec, 38.0);
    EXPECT_EQ(data.m_dLongDeg, 0.5);
    EXPECT_EQ(data.m_dLongMin, 7.0);
    EXPECT_EQ(data.m_dLongSec, 39.0);
    EXPECT_EQ(data.m_dTimeZone, 1.0);
    EXPECT_EQ(data.m_bDaylightSaving, 1);
    EXPECT_EQ(g_strDateTimeFormat, "%x, %#H:%M");
    EXPECT_EQ(data.m_noteManager.m_nNextID, 700);
    ASSERT_EQ(data.m_noteManager.GetCount(), 1u);
    ExpectDistinctRecurring(*data.m_noteManager.Lookup(612), true);
}

// A data object whose location differs from both the defaults and the file.
void SetOwnLocation(CCalendarData& data) {
    data.m_dLatDeg = -12.5, data.m_dLongMin = 33.0, data.m_dTimeZone = -7.0;
    data.m_bDaylightSaving = 1;
    g_bShowSunInfo = 1;
}

void ExpectOwnLocation(const CCalendarData& data) {
    EXPECT_EQ(data.m_dLatDeg, -12.5);
    EXPECT_EQ(data.m_dLatMin, 43.0);
    EXPECT_EQ(data.m_dLongMin, 33.0);
    EXPECT_EQ(data.m_dTimeZone, -7.0);
    EXPECT_EQ(data.m_bDaylightSaving, 1);
    EXPECT_EQ(g_bShowSunInfo, 1);
}

TEST_F(DataFileTest, TheOldestFormHasNoVersionWordAndLeavesTheLocationAlone) {
    FileSettings settings = DistinctSettings();
    settings.oldestForm = true;
    CDataFileWriter w = Start(settings);
    FileNote once = DistinctRecurring();
    once.kind = 1;
    once.id = 601;
    w.NotesHeader(2, 700).Note(once).Note(DistinctRecurring());
    CCalendarData data;
    SetOwnLocation(data);
    ASSERT_TRUE(LoadInto(data, w.Bytes()));
    ExpectDistinctSettings(data);
    ExpectOwnLocation(data);
    EXPECT_EQ(g_fFileVersion, 1.0f);
    ASSERT_EQ(data.m_noteManager.GetCount(), 2u);
    ExpectDistinctRecurring(*data.m_noteManager.Lookup(612), false);
    EXPECT_EQ(data.m_noteManager.Lookup(601)->m_nType, kNoteOneTime);
}

class OlderVersionTest : public DataFileTest, public ::testing::WithParamInterface<int> {};

TEST_P(OlderVersionTest, VersionsBefore15ReadWithoutLocationOrReservedWord) {
    FileSettings settings = DistinctSettings();
    settings.version = GetParam();
    CDataFileWriter w = Start(settings);
    w.NotesHeader(1, 700).Note(DistinctRecurring());
    CCalendarData data;
    SetOwnLocation(data);
    ASSERT_TRUE(LoadInto(data, w.Bytes()));
    ExpectDistinctSettings(data);
    ExpectOwnLocation(data);
    EXPECT_FLOAT_EQ(g_fFileVersion, GetParam() / 1000.0f);
    ExpectDistinctRecurring(*data.m_noteManager.Lookup(612), false);
}

INSTANTIATE_TEST_SUITE_P(DataFile, OlderVersionTest, ::testing::Values(10, 1000, 1200, 1499));

TEST_F(DataFileTest, NewerVersionsReadAsTheCurrentForm) {
    FileSettings settings = DistinctSettings();
    settings.version = 1700;
    CDataFileWriter w = Start(settings);
    w.NotesHeader(1, 700).Note(DistinctRecurring());
    CCalendarData data;
    ASSERT_TRUE(LoadInto(data, w.Bytes()));
    EXPECT_EQ(data.m_dLongDeg, 0.5);
    ExpectDistinctRecurring(*data.m_noteManager.Lookup(612), true);
}

// Three notes, the last a recurring one with every part.
CDataFileWriter ThreeNotes(std::size_t& lastRecord) {
    CDataFileWriter w;
    w.Header(kFirstSaved, kLastSaved).Settings(DistinctSettings());
    FileNote memo;
    memo.id = 600;
    FileNote once;
    once.kind = 1, once.id = 601, once.title = FileText(u"\u00C9t\u00E9");
    w.NotesHeader(3, 700).Note(memo).Note(once);
    lastRecord = w.Size();
    w.Note(DistinctRecurring());
    return w;
}

TEST_F(DataFileTest, AFileCutAnywhereInItsLastRecordKeepsTheNotesBeforeIt) {
    std::size_t lastRecord = 0;
    const CDataFileWriter w = ThreeNotes(lastRecord);
    for (std::size_t cut = lastRecord; cut < w.Size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut) + " of " + std::to_string(w.Size()));
        const std::vector<std::uint8_t> bytes(w.Bytes().begin(), w.Bytes().begin() + cut);
        CCalendarData data;
        ASSERT_FALSE(LoadInto(data, bytes));
        ExpectDistinctSettings(data);
        ASSERT_EQ(data.m_noteManager.GetCount(), 2u);
        EXPECT_EQ(data.m_noteManager.Lookup(600)->m_strTitle, "Title");
        EXPECT_EQ(data.m_noteManager.Lookup(601)->m_strTitle, "\xC3\x89t\xC3\xA9");
    }
    CCalendarData whole;
    ASSERT_TRUE(LoadInto(whole, w.Bytes()));
    EXPECT_EQ(whole.m_noteManager.GetCount(), 3u);
}

TEST_F(DataFileTest, AFileCutInTheSettingsKeepsWhatWasRead) {
    const CDataFileWriter w = Start(DistinctSettings());
    for (std::size_t cut = 0; cut < w.Size(); ++cut) {
        const std::vector<std::uint8_t> bytes(w.Bytes().begin(), w.Bytes().begin() + cut);
        CCalendarData data;
        ASSERT_FALSE(LoadInto(data, bytes)) << cut;
    }
    // Cut just after field 4: fields 2-4 are in, the rest still at their defaults.
    const std::vector<std::uint8_t> bytes(w.Bytes().begin(), w.Bytes().begin() + 40 + 16);
    CCalendarData data;
    ASSERT_FALSE(LoadInto(data, bytes));
    EXPECT_EQ(data.m_nCategoryFilter, 3);
    EXPECT_EQ(data.m_bWeekStartsSunday, 1);
}

TEST_F(DataFileTest, AnUnknownKindCodeIsAReadError) {
    for (std::int32_t kind : {3, 9, 11, -1, 0x7FFFFFFF}) {
        CDataFileWriter w = Start();
        FileNote memo;
        w.NotesHeader(3, 700).Note(memo).Int32(kind).Note(memo);
        CCalendarData data;
        EXPECT_FALSE(LoadInto(data, w.Bytes())) << kind;
        EXPECT_EQ(data.m_noteManager.GetCount(), 1u) << kind;
    }
}

TEST_F(DataFileTest, AHolidayEntryTakesOneRecordOfTheCountAndNothingMore) {
    CDataFileWriter w = Start();
    FileNote memo;
    w.NotesHeader(3, 700).Note(memo).Int32(10).Note(memo);
    CCalendarData data;
    ASSERT_TRUE(LoadInto(data, w.Bytes()));
    EXPECT_EQ(data.m_noteManager.GetCount(), 2u);
    for (const auto& [id, note] : data.m_noteManager.Notes())
        EXPECT_EQ(note->m_nType, kNoteMemo);
}

TEST_F(DataFileTest, HostileLengthsAreReadErrors) {
    const auto loadWithTitle = [this](const std::string& rawTitleField) {
        CDataFileWriter w = Start();
        w.NotesHeader(1, 700).Int32(0).Raw(rawTitleField).Raw(std::string(64, 'z'));
        CCalendarData data;
        return LoadInto(data, w.Bytes());
    };
    EXPECT_FALSE(loadWithTitle(std::string("\xFF\xFD\xFF", 3)));                 // 65533 bytes
    EXPECT_FALSE(loadWithTitle(std::string("\xFF\xFF\xFF\xF0\xFF\xFF\xFF", 7))); // 4 GB
    EXPECT_FALSE(loadWithTitle(std::string("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 10)));

    for (std::int32_t count : {0x7FFFFFFF, 1000, -1}) {
        CDataFileWriter notes = Start();
        notes.NotesHeader(count, 700).Note(FileNote());
        CCalendarData data;
        EXPECT_FALSE(LoadInto(data, notes.Bytes())) << count;
    }
    for (std::int32_t count : {0x40000000, 100, -5}) {
        FileSettings settings;
        settings.categories.clear();
        CDataFileWriter w;
        w.Header(kFirstSaved, kLastSaved).Settings(settings);
        // Patch the category count, the first field after the two colours.
        CDataFileWriter patched;
        const std::size_t countAt = 40 + 4 * 12 + 2 + 8;
        patched.Raw(std::string(w.Bytes().begin(), w.Bytes().begin() + countAt));
        patched.Int32(count).Raw(std::string(w.Bytes().begin() + countAt + 4, w.Bytes().end()));
        patched.NotesHeader(0, 700);
        CCalendarData data;
        EXPECT_FALSE(LoadInto(data, patched.Bytes())) << count;
    }
}

TEST_F(DataFileTest, ByteStringsThatAreNotUtf8ReadAsWindows1252) {
    FileNote note;
    note.title = std::string("Caf\xE9 \x80 5", 8);
    note.text = "Cr\xC3\xA8me"; // valid UTF-8 stays as it is
    CDataFileWriter w = Start();
    w.NotesHeader(1, 700).Note(note);
    CCalendarData data;
    ASSERT_TRUE(LoadInto(data, w.Bytes()));
    const CNote& loaded = *data.m_noteManager.Notes().begin()->second;
    EXPECT_EQ(loaded.m_strTitle, "Caf\xC3\xA9 \xE2\x82\xAC 5");
    EXPECT_EQ(loaded.m_strText, "Cr\xC3\xA8me");
}

TEST_F(DataFileTest, UnicodeTitlesRoundTrip) {
    const std::string titles[] = {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", "\xF0\x9F\x8E\x82 cake",
                                  "na\xC3\xAFve", std::string(300, 'a') + "\xC3\xA9"};
    CCalendarData data;
    for (const std::string& title : titles)
        data.m_noteManager.Add(MakeMemo(title, kNow));
    CCalendarData loaded;
    ASSERT_TRUE(LoadInto(loaded, Stored(data)));
    ExpectSameNotes(data.m_noteManager, loaded.m_noteManager);

    // And as another copy of the program would have written them.
    FileNote note;
    note.title = FileText(u"\u65E5\u672C\u8A9E \U0001F382");
    CDataFileWriter w = Start();
    w.NotesHeader(1, 700).Note(note);
    CCalendarData fromWriter;
    ASSERT_TRUE(LoadInto(fromWriter, w.Bytes()));
    EXPECT_EQ(fromWriter.m_noteManager.Notes().begin()->second->m_strTitle,
              "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xF0\x9F\x8E\x82");
}

// ---- what loading keeps -------------------------------------------------------

std::vector<std::string> LoadedTitles(const CDataFileWriter& w) {
    CCalendarData data;
    EXPECT_TRUE(LoadInto(data, w.Bytes()));
    std::vector<std::string> titles;
    for (const auto& [id, note] : data.m_noteManager.Notes())
        titles.push_back(note->m_strTitle);
    return titles;
}

CDataFileWriter PurgeCandidates(int clearHistoryDays) {
    FileSettings settings;
    settings.clearHistoryDays = clearHistoryDays;
    CDataFileWriter w;
    w.Header(kFirstSaved, kLastSaved).Settings(settings).NotesHeader(5, 700);
    FileNote note;
    note.history = 1, note.title = "31 days old", note.start = kNow - CUtility::OneDay * 31;
    w.Note(note);
    note.title = "29 days old", note.start = kNow - CUtility::OneDay * 29;
    w.Note(note);
    note.history = 0, note.title = "old memo", note.start = COleDateTime(2001, 1, 1, 0, 0, 0);
    w.Note(note);
    note.kind = 2, note.title = "ended", note.end = COleDateTime(2026, 12, 8, 0, 0, 0);
    w.Note(note);
    note.title = "ends tomorrow", note.end = COleDateTime(2026, 12, 9, 0, 0, 0);
    w.Note(note);
    return w;
}

TEST_F(DataFileTest, LoadingDropsOldHistoryAndEndedSeries) {
    using Titles = std::vector<std::string>;
    EXPECT_EQ(LoadedTitles(PurgeCandidates(30)),
              Titles({"29 days old", "old memo", "ends tomorrow"}));
    for (int off : {0, -1})
        EXPECT_EQ(LoadedTitles(PurgeCandidates(off)),
                  Titles({"31 days old", "29 days old", "old memo", "ends tomorrow"}));
}

TEST_F(DataFileTest, StoredIDsAreKeptButNeverShared) {
    CDataFileWriter w = Start();
    FileNote note;
    note.id = 650, note.title = "first";
    w.NotesHeader(4, 17).Note(note);
    note.title = "same ID";
    w.Note(note);
    note.id = 3, note.title = "holiday ID";
    w.Note(note);
    note.id = 0, note.title = "no ID";
    w.Note(note);
    CCalendarData data;
    ASSERT_TRUE(LoadInto(data, w.Bytes()));
    CNoteManager& notes = data.m_noteManager;
    ASSERT_EQ(notes.GetCount(), 4u);
    EXPECT_EQ(notes.Lookup(650)->m_strTitle, "first");
    EXPECT_EQ(notes.Lookup(3), nullptr);
    // The counter below 600 is raised; the newcomers take 600, 601, 602.
    EXPECT_EQ(notes.Lookup(600)->m_strTitle, "same ID");
    EXPECT_EQ(notes.Lookup(601)->m_strTitle, "holiday ID");
    EXPECT_EQ(notes.Lookup(602)->m_strTitle, "no ID");
}

TEST_F(DataFileTest, TimeFormatsFollowThe24HourSetting) {
    FileSettings settings;
    settings.hour24 = 0;
    CDataFileWriter w = Start(settings);
    w.NotesHeader(0, 600);
    SetTimeFormats(1);
    CCalendarData data;
    ASSERT_TRUE(LoadInto(data, w.Bytes()));
    EXPECT_EQ(g_strTimeFormat, "%#I:%M %p");
    EXPECT_EQ(g_strWeekdayTimeFormat, "%a, %#I:%M %p");
    EXPECT_EQ(g_strDayTimeFormat, "%d, %#I:%M %p");
    EXPECT_EQ(g_strDateTimeFormat, "%x, %#I:%M %p");
}

} // namespace
