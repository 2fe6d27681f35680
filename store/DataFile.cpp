#include "store/DataFile.h"

#include "store/CalendarData.h"
#include "store/DataFileReader.h"
#include "store/ProgramFlags.h"
#include "store/TimeFormats.h"
#include "zadad/Archive.h"

#include <cmath>

namespace {

// One field either way: storing writes it, loading reads it in place. Every
// number of the settings block is 4 bytes wide except the location doubles.
void Exchange(CArchive& ar, int& value) {
    if (ar.IsStoring()) {
        ar << static_cast<std::int32_t>(value);
    } else {
        std::int32_t v = 0;
        ar >> v;
        value = v;
    }
}

void Exchange(CArchive& ar, COLORREF& value) {
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}

void Exchange(CArchive& ar, double& value) {
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}

void Exchange(CArchive& ar, std::string& value) {
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}

void Exchange(CArchive& ar, COleDateTime& value) {
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}

// A category record is at least a 4-byte ID and a 1-byte name length.
constexpr std::size_t kSmallestCategory = 5;

} // namespace

void CDataFile::Store(CArchive& ar, CCalendarData& data, const COleDateTime& firstStamp,
                      const COleDateTime& now) {
    Store([&ar](const std::vector<std::uint8_t>& bytes) { ar.Write(bytes.data(), bytes.size()); },
          data, firstStamp, now);
}

void CDataFile::Store(const CNoteManager::ByteSink& write, CCalendarData& data,
                      const COleDateTime& firstStamp, const COleDateTime& now) {
    CArchive ar;
    COleDateTime first = firstStamp;
    COleDateTime saved = now;
    Exchange(ar, first);
    Exchange(ar, saved);
    ExchangeHeader(ar, data);
    // The notes below are written in this program's own form.
    g_fFileVersion = CCalendarData::GetProgramVersion();
    ar << static_cast<std::int32_t>(std::lround(g_fFileVersion * 1000.0));
    Exchange(ar, data.m_bCalendarView);
    ExchangeDisplay(ar, data);
    StoreCategories(ar, data);
    ExchangeAlarmOptions(ar, data);
    ExchangeLocation(ar, data);
    write(ar.Buffer());
    data.m_noteManager.Store(write);
}

void CDataFile::Load(CArchive& ar, CCalendarData& data) {
    CDataFileReader in(ar);
    Load(in, data);
}

void CDataFile::Load(CDataFileReader& in, CCalendarData& data) {
    in.Read([&data](CArchive& ar) { LoadSettings(ar, data); });
    data.m_noteManager.Load(in, data.m_nClearHistoryDays);
}

// The header and the settings block; every step only overwrites, so a
// second run over the same bytes gives the same result.
void CDataFile::LoadSettings(CArchive& ar, CCalendarData& data) {
    Exchange(ar, data.m_dtFirstSaved);
    Exchange(ar, data.m_dtLastSaved);
    ExchangeHeader(ar, data);
    const int version = LoadVersion(ar, data);
    ExchangeDisplay(ar, data);
    SetTimeFormats(data.m_b24Hour);
    LoadCategories(ar, data);
    ExchangeAlarmOptions(ar, data);
    if (version >= kLocationVersion) ExchangeLocation(ar, data);
}

void CDataFile::ExchangeHeader(CArchive& ar, CCalendarData& data) {
    Exchange(ar, data.m_noteManager.m_dtNextAlarm);
    Exchange(ar, data.m_noteManager.m_nNextAlarmID);
}

int CDataFile::LoadVersion(CArchive& ar, CCalendarData& data) {
    std::int32_t first = 0;
    ar >> first;
    int version = first;
    if (first < 10) {
        // The oldest files start the settings with the view flag itself.
        data.m_bCalendarView = first;
        version = kOldestVersion;
    } else {
        Exchange(ar, data.m_bCalendarView);
    }
    g_fFileVersion = static_cast<float>(version / 1000.0);
    return version;
}

void CDataFile::ExchangeDisplay(CArchive& ar, CCalendarData& data) {
    Exchange(ar, data.m_nListFilter);
    Exchange(ar, data.m_nCategoryFilter);
    Exchange(ar, data.m_bWeekStartsSunday);
    Exchange(ar, data.m_noteManager.m_bWeekFromSunday);
    Exchange(ar, data.m_b24Hour);
    Exchange(ar, data.m_bMonthView);
    Exchange(ar, data.m_nOptionB);
    Exchange(ar, data.m_bShowRecurrence);
    Exchange(ar, g_bShowHistory);
    Exchange(ar, data.m_nAppearanceOption);
    Exchange(ar, data.m_strWindowTexture);
    Exchange(ar, data.m_strToolbarTexture);
    Exchange(ar, data.m_crText);
    Exchange(ar, data.m_crTextBack);
}

void CDataFile::StoreCategories(CArchive& ar, CCalendarData& data) {
    ar << static_cast<std::int32_t>(data.m_arrCategories.size());
    Exchange(ar, data.m_nNextCategoryID);
    for (CCategory& category : data.m_arrCategories)
        category.Serialize(ar);
}

void CDataFile::LoadCategories(CArchive& ar, CCalendarData& data) {
    data.RemoveAllCategories();
    std::int32_t count = 0;
    ar >> count;
    Exchange(ar, data.m_nNextCategoryID);
    if (count < 0) throw CArchiveException(CArchiveException::badFormat, "negative category count");
    if (static_cast<std::size_t>(count) > ar.Remaining() / kSmallestCategory)
        throw CArchiveException(CArchiveException::badLength,
                                "category count larger than the file");
    for (std::int32_t i = 0; i < count; ++i) {
        CCategory category;
        category.Serialize(ar);
        data.m_arrCategories.push_back(std::move(category));
    }
}

void CDataFile::ExchangeAlarmOptions(CArchive& ar, CCalendarData& data) {
    Exchange(ar, data.m_nAlarmSound);
    Exchange(ar, data.m_strWaveFile);
    Exchange(ar, data.m_nOptionA);
    Exchange(ar, data.m_nOptionC);
    Exchange(ar, data.m_nStopAlarmSeconds);
    Exchange(ar, g_bShowCountdownDefault);
    Exchange(ar, data.m_bSaveHistory);
    Exchange(ar, data.m_nClearHistoryDays);
    RECT& rc = data.m_rcMainWindow;
    Exchange(ar, rc.left);
    Exchange(ar, rc.top);
    Exchange(ar, rc.right);
    Exchange(ar, rc.bottom);
}

void CDataFile::ExchangeLocation(CArchive& ar, CCalendarData& data) {
    Exchange(ar, g_bShowSunInfo);
    Exchange(ar, data.m_dLatDeg);
    Exchange(ar, data.m_dLatMin);
    Exchange(ar, data.m_dLatSec);
    Exchange(ar, data.m_dLongDeg);
    Exchange(ar, data.m_dLongMin);
    Exchange(ar, data.m_dLongSec);
    Exchange(ar, data.m_dTimeZone);
    Exchange(ar, data.m_bDaylightSaving);
}
