#include "store/CalendarData.h"

#include "res/StringTable.h"
#include "store/DataFile.h"
#include "store/DataFileReader.h"
#include "store/MessageBox.h"
#include "store/NoteMemory.h"
#include "store/SafeFile.h"
#include "store/TimeFormats.h"
#include "zadad/Archive.h"
#include "zadad/Utility.h"

#include <charconv>
#include <exception>
#include <filesystem>
#include <stdexcept>

namespace {

const char* const kDefaultCategories[] = {"All", "Payment", "Appointment", "Birthday",
                                          "Anniversary"};

void ShowMessage(const std::string& text, CMessageBox::Icon icon) {
    CMessageBox::Current().Show(text, kCaptionProgram, icon, CMessageBox::kButtonsOk);
}

} // namespace

CCalendarData::CCalendarData() {
    m_rcMainWindow.left = 0;
    m_rcMainWindow.top = -100;
    CUtility::GetLocalTimeSetting(m_dTimeZone, m_bDaylightSaving);
    SetTimeFormats(0);
    for (int id = 0; id < static_cast<int>(std::size(kDefaultCategories)); ++id)
        m_arrCategories.emplace_back(id, kDefaultCategories[id]);
}

float CCalendarData::GetProgramVersion() {
    // Parsed without the locale: a decimal comma must not turn 1.50 into 1.
    const std::string text = LoadString(IDS_VERSION);
    double version = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), version);
    return static_cast<float>(version);
}

void CCalendarData::GetCategories(std::vector<unsigned>& ids,
                                  std::vector<std::string>& names) const {
    for (const CCategory& category : m_arrCategories) {
        ids.push_back(static_cast<unsigned>(category.m_nID));
        names.push_back(category.m_strName);
    }
}

void CCalendarData::SetCategories(const std::vector<unsigned>& ids,
                                  const std::vector<std::string>& names) {
    RemoveAllCategories();
    const std::size_t count = std::min(ids.size(), names.size());
    for (std::size_t i = 0; i < count; ++i) {
        const int id = static_cast<int>(ids[i]);
        m_arrCategories.emplace_back(id, names[i]);
        // An ID in use must never be handed out again.
        if (id >= m_nNextCategoryID) m_nNextCategoryID = id + 1;
    }
}

void CCalendarData::RemoveAllCategories() {
    m_arrCategories.clear();
}

std::string CCalendarData::GetDataFilePath() const {
    return CUtility::GetAppPath() + kDataFileName;
}

BOOL CCalendarData::Save(const std::string& path) {
    if (SaveQuietly(path)) return 1;
    ReportSaveError();
    return 0;
}

bool CCalendarData::SaveQuietly(const std::string& path) {
    const bool isDefault = path.empty();
    std::string target = isDefault ? std::string(kDataFileName) : path;
    const bool existed = CUtility::FindFile(target) != 0;
    const COleDateTime now = COleDateTime::GetCurrentTime();
    if (isDefault && !existed) m_dtFirstSaved = now;
    return WriteFile(target, isDefault ? m_dtFirstSaved : now, now);
}

bool CCalendarData::SaveCopy(const std::string& path) {
    // Headed as the data file itself, so that it can take the data file's place.
    return WriteFile(path, m_dtFirstSaved, COleDateTime::GetCurrentTime());
}

bool CCalendarData::WriteFile(const std::string& path, const COleDateTime& first,
                              const COleDateTime& now) {
    try {
        CSafeFile file(path);
        if (!file.Open()) throw std::runtime_error("cannot create " + path);
        CDataFile::Store(
            [&file](const std::vector<std::uint8_t>& bytes) {
                if (!file.Write(bytes)) throw std::runtime_error("cannot write");
            },
            *this, first, now);
        return KeepDamagedFileBeforeReplacing(path) && file.Commit();
    } catch (const std::exception&) {
        return false;
    }
}

BOOL CCalendarData::Load() {
    m_noteManager.RemoveAll();
    LoadHolidays();
    const COleDateTime now = COleDateTime::GetCurrentTime();
    std::string path = kDataFileName;
    if (!CUtility::FindFile(path)) {
        StartAfresh(now);
        return 1;
    }
    try {
        ReadDataFile(path);
    } catch (const std::exception&) {
        ReportReadError(path, now);
        return 0;
    }
    m_strDamagedFile.clear();
    m_bDamagedCopyPending = false;
    if (now - m_dtLastSaved > CUtility::OneDay) Save(kBackupFileName);
    m_noteManager.FindNextAlarm();
    return 1;
}

CCalendarData::ReadOnlyLoad CCalendarData::LoadReadOnly(const std::string& path,
                                                        std::string& error) {
    m_noteManager.RemoveAll();
    LoadHolidays();
    if (!CSafeFile::Exists(path)) return ReadOnlyLoad::kMissing;
    try {
        ReadDataFile(path);
    } catch (const std::exception& e) {
        error = e.what();
        return ReadOnlyLoad::kUnreadable;
    }
    m_noteManager.FindNextAlarm();
    return ReadOnlyLoad::kLoaded;
}

void CCalendarData::ReadDataFile(const std::string& path) {
    std::error_code error;
    const std::uintmax_t bytes = std::filesystem::file_size(path, error);
    const auto size = error ? std::size_t{0} : static_cast<std::size_t>(bytes);
    const CNoteMemory::CTextHeap textHeap(size);
    CNoteMemory::ExpectStore(size);
    CDataFileReader in(path);
    if (!in.IsOpen()) throw CArchiveException(CArchiveException::badFormat, "cannot open " + path);
    CDataFile::Load(in, *this);
}

void CCalendarData::LoadHolidays() {
    if (m_holidayLoader) m_holidayLoader(m_noteManager);
}

void CCalendarData::StartAfresh(const COleDateTime& now) {
    auto welcome = std::make_unique<CNote>(kNoteMemo, LoadString(61255), LoadString(61256), now, 0);
    welcome->m_bOnDesktop = 1;
    AddNote(std::move(welcome));
    m_dtFirstSaved = now;
}

void CCalendarData::ReportReadError(const std::string& path, const COleDateTime& now) {
    // Everything read so far stays in memory and will be saved; the file as
    // it was found is kept beside it, so the notes after the damage can
    // still be recovered from it.
    m_strDamagedFile = path;
    m_strDamagedCopy = CSafeFile::FreeName(path, now.Format(".damaged-%Y%m%d-%H%M"));
    m_bDamagedCopyPending = !CSafeFile::Copy(path, m_strDamagedCopy);
    std::string text = "Data Read Error!\n\n";
    text += m_bDamagedCopyPending
                ? "Before the file is saved again, it will be renamed to " + m_strDamagedCopy
                : "The file as it was found has been kept as " + m_strDamagedCopy;
    ShowMessage(text, CMessageBox::kIconStop);
}

bool CCalendarData::KeepDamagedFileBeforeReplacing(const std::string& path) {
    if (!m_bDamagedCopyPending || path != m_strDamagedFile) return true;
    if (!CSafeFile::Rename(m_strDamagedFile, m_strDamagedCopy)) return false;
    m_bDamagedCopyPending = false;
    return true;
}

void CCalendarData::ReportSaveError() {
    ShowMessage("Fail to save data", CMessageBox::kIconNone);
}

CNote* CCalendarData::AddNote(std::unique_ptr<CNote> note) {
    CNote* stored = m_noteManager.Add(std::move(note));
    if (!stored)
        CMessageBox::Current().Show(
            "There is no room for another note. Delete some notes and try again.", kCaptionWarning,
            CMessageBox::kIconWarning, CMessageBox::kButtonsOk);
    return stored;
}

std::unique_ptr<CNote> CCalendarData::ReplaceNote(WORD id, std::unique_ptr<CNote> note) {
    return m_noteManager.Replace(id, std::move(note));
}

CNote* CCalendarData::Clone(const CNote& note, BOOL history) {
    if (note.m_nType != kNoteMemo && note.m_nType != kNoteOneTime && note.m_nType != kNoteRecurring)
        return nullptr;
    std::unique_ptr<CNote> copy = note.Clone();
    if (!copy) return nullptr;
    copy->m_nID = 0;
    copy->m_bHistory = history;
    return AddNote(std::move(copy));
}

void CCalendarData::CloseAlarm(WORD id, const COleDateTime& when, BOOL deleteNote,
                               BOOL keepHistory) {
    CNote* note = m_noteManager.Lookup(id);
    if (!note) return;
    if (m_bSaveHistory && keepHistory) {
        if (CNote* copy = Clone(*note, 1)) {
            copy->m_bAlarmActive = 0;
            copy->m_dtStart = when;
            copy->m_dtEnd = COleDateTime::GetCurrentTime();
        }
    }
    if (deleteNote) m_noteManager.Delete(id);
    m_noteManager.FindNextAlarm();
}
