#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "tests/support/TestClock.h"
#include "zadad/Archive.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

COleDateTime Date(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return COleDateTime(y, mo, d, h, mi, s);
}

// Builds the bytes a record is expected to have, field by field.
class Bytes {
public:
    Bytes& I32(std::int32_t v) { return Raw(&v, 4); }
    Bytes& U16(std::uint16_t v) { return Raw(&v, 2); }
    Bytes& U8(std::uint8_t v) { return Raw(&v, 1); }
    Bytes& Date(const COleDateTime& dt) {
        I32(dt.m_status);
        return Raw(&dt.m_dt, 8);
    }
    Bytes& Str(const std::string& s) {
        U8(static_cast<std::uint8_t>(s.size()));
        return Raw(s.data(), s.size());
    }
    Bytes& Raw(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        m_bytes.insert(m_bytes.end(), b, b + n);
        return *this;
    }
    const std::vector<std::uint8_t>& Get() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

class NoteRecordTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override { ResetProgramFlags(); }
    CTestClock m_clock{Date(2026, 12, 8, 9, 30, 0)};
};

// A note whose every stored field holds a value of its own.
void FillCommon(CNote& note) {
    note.m_strTitle = "Rent";
    note.m_strText = "Pay it";
    note.m_bHistory = 1;
    note.m_bActive = 0;
    note.m_bRemind = 1;
    note.m_wCategoryID = 0x0102;
    note.m_dtStart = Date(2026, 1, 5, 9, 0, 0);
    note.m_dtEnd.SetStatus(COleDateTime::null);
    note.m_nID = 601;
    note.m_rcWindow = RECT{1, 2, 3, 4};        // left, top, right, bottom
    note.m_rcWindowAlt = RECT{11, 12, 13, 14}; // left, top, right, bottom
    note.m_nWndFlag = 21;
    note.m_bTopMost = 0;
    note.m_nReserved1 = 22;
    note.m_crTitle = 0x00112233;
    note.m_crBack = 0x00445566;
    note.m_bShowCountdown = 1;
    note.m_nCountdownParts = 6;
    note.m_bOnDesktop = 1;
    note.m_bHasWindowRect = 1;
    note.m_lfFont = DefaultNoteFont();
}

void ExpectCommon(Bytes& b, const CNote& note) {
    b.Str("Rent").Str("Pay it").I32(1).I32(0).I32(1).U16(0x0102);
    b.Date(note.m_dtStart).Date(note.m_dtEnd).I32(601);
    b.I32(2).I32(1).I32(4).I32(3);     // window: top, left, bottom, right
    b.I32(12).I32(11).I32(14).I32(13); // unrolled window, same order
    b.I32(21).I32(0).I32(22).I32(0x00112233).I32(0x00445566);
    b.I32(1).I32(6).I32(1).I32(1);
    const LOGFONT& lf = note.m_lfFont;
    b.I32(lf.lfHeight).I32(lf.lfWidth).I32(lf.lfEscapement).I32(lf.lfOrientation);
    b.I32(lf.lfWeight).U8(lf.lfItalic).U8(lf.lfUnderline).U8(lf.lfStrikeOut).U8(lf.lfCharSet);
    b.U8(lf.lfOutPrecision).U8(lf.lfClipPrecision).U8(lf.lfQuality).U8(lf.lfPitchAndFamily);
    b.Str("Arial");
}

void FillOneTime(COneTimeNote& note) {
    FillCommon(note);
    note.m_dtAlarm = Date(2026, 1, 3, 9, 0, 0);
    note.m_nRemindDays = 2;
    note.m_dtOccurrence = Date(2026, 1, 5, 9, 0, 0);
    note.m_nReserved2 = 77;
}

void FillRecurring(CRecurringNote& note) {
    FillOneTime(note);
    note.m_nRepeatUnit = kRepeatYear;
    note.m_nRepeatEvery = 3;
    note.m_dtLastOccurrence = Date(2025, 1, 5, 9, 0, 0);
    note.m_nWeekDay = 4;
    note.m_bByWeekDay = 1;
    note.m_nWeekOrdinal = 5;
    note.m_nMonth = 11;
}

std::vector<std::uint8_t> Store(CNote& note) {
    CArchive ar;
    note.Serialize(ar);
    return ar.Buffer();
}

TEST_F(NoteRecordTest, MemoRecordLayout) {
    CNote note;
    FillCommon(note);
    Bytes expected;
    ExpectCommon(expected, note);
    EXPECT_EQ(Store(note), expected.Get());
    EXPECT_EQ(expected.Get().size(), 156u);
}

TEST_F(NoteRecordTest, OneTimeRecordAddsAlarmFieldsAndTheReservedWordFromVersion15) {
    COneTimeNote note;
    FillOneTime(note);
    Bytes expected;
    ExpectCommon(expected, note);
    expected.Date(note.m_dtAlarm).I32(2).Date(note.m_dtOccurrence);
    const std::size_t withoutReserved = expected.Get().size();
    expected.I32(77);
    EXPECT_EQ(Store(note), expected.Get());

    g_fFileVersion = 1.0f;
    const auto old = Store(note);
    ASSERT_EQ(old.size(), withoutReserved);
    EXPECT_TRUE(std::equal(old.begin(), old.end(), expected.Get().begin()));
}

TEST_F(NoteRecordTest, RecurringRecordAddsItsSevenFieldsInFileOrder) {
    CRecurringNote note;
    FillRecurring(note);
    Bytes expected;
    ExpectCommon(expected, note);
    expected.Date(note.m_dtAlarm).I32(2).Date(note.m_dtOccurrence).I32(77);
    expected.I32(kRepeatYear).I32(3).Date(note.m_dtLastOccurrence);
    expected.I32(4).I32(1).I32(5).I32(11); // weekday, by-weekday flag, ordinal, month
    EXPECT_EQ(Store(note), expected.Get());
}

TEST_F(NoteRecordTest, RecordsReadBackAsWritten) {
    CRecurringNote note;
    FillRecurring(note);
    note.m_strText = "{\\rtf1 Grüße}"; // takes the Unicode string form
    const auto bytes = Store(note);
    CArchive in(bytes);
    CRecurringNote back;
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.m_strTitle, "Rent");
    EXPECT_EQ(back.m_strText, "{\\rtf1 Grüße}");
    EXPECT_EQ(back.m_bHistory, 1);
    EXPECT_EQ(back.m_bActive, 0);
    EXPECT_EQ(back.m_wCategoryID, 0x0102);
    EXPECT_EQ(back.m_dtStart, note.m_dtStart);
    EXPECT_EQ(back.m_dtEnd.GetStatus(), COleDateTime::null);
    EXPECT_EQ(back.m_nID, 601);
    EXPECT_EQ(back.m_rcWindow, note.m_rcWindow);
    EXPECT_EQ(back.m_rcWindowAlt, note.m_rcWindowAlt);
    EXPECT_EQ(back.m_lfFont, note.m_lfFont);
    EXPECT_EQ(back.m_nCountdownParts, 6);
    EXPECT_EQ(back.m_dtAlarm, note.m_dtAlarm);
    EXPECT_EQ(back.m_nReserved2, 77);
    EXPECT_EQ(back.m_nRepeatUnit, kRepeatYear);
    EXPECT_EQ(back.m_nRepeatEvery, 3);
    EXPECT_EQ(back.m_dtLastOccurrence, note.m_dtLastOccurrence);
    EXPECT_EQ(back.m_nWeekDay, 4);
    EXPECT_EQ(back.m_bByWeekDay, 1);
    EXPECT_EQ(back.m_nWeekOrdinal, 5);
    EXPECT_EQ(back.m_nMonth, 11);
}

TEST_F(NoteRecordTest, OldFormatOneTimeRecordHasNoReservedWord) {
    COneTimeNote note;
    FillOneTime(note);
    g_fFileVersion = 1.0f;
    auto bytes = Store(note);
    bytes.push_back(0xAB); // whatever follows belongs to the next record
    CArchive in(bytes);
    COneTimeNote back;
    back.Serialize(in);
    EXPECT_EQ(in.Remaining(), 1u);
    EXPECT_EQ(back.m_nReserved2, 0);
    EXPECT_EQ(back.m_dtOccurrence, note.m_dtOccurrence);
}

TEST_F(NoteRecordTest, EveryTruncationOfARecordThrows) {
    CRecurringNote note;
    FillRecurring(note);
    const auto bytes = Store(note);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        CArchive in(bytes.data(), cut);
        CRecurringNote back;
        EXPECT_THROW(back.Serialize(in), CArchiveException) << "cut at " << cut;
    }
}

} // namespace
