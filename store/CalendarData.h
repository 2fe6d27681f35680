#pragma once
// CCalendarData: the program's one data object. It holds the settings, the
// categories and the note manager, saves and loads them as "Note.Dat" (with a
// daily "Note.bak"), and is the way every other part of the program reaches
// the notes.

#include "store/Category.h"
#include "store/NoteManager.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCalendarData {
public:
    // Fills the freshly emptied note manager with the holidays.
    using HolidayLoader = std::function<void(CNoteManager&)>;
    // The data file and its daily copy, in the program directory.
    static constexpr const char* kDataFileName = "Note.Dat";
    static constexpr const char* kBackupFileName = "Note.bak";

    CCalendarData();
    CCalendarData(const CCalendarData&) = delete;
    CCalendarData& operator=(const CCalendarData&) = delete;

    // The program's own version, 1.5.
    static float GetProgramVersion();

    // Categories, position 0 ("All", ID 0) included.
    void GetCategories(std::vector<unsigned>& ids, std::vector<std::string>& names) const;
    // Replaces the list; the next category ID stays above every ID in it.
    void SetCategories(const std::vector<unsigned>& ids, const std::vector<std::string>& names);
    void RemoveAllCategories();

    // Writes everything to path; an empty path means "Note.Dat" in the
    // program directory, a bare name a file there. False (after telling the
    // user) when the file could not be written; the old file is then untouched.
    BOOL Save(const std::string& path = std::string());
    // The same without a word to the user, for callers that tell of a
    // failure their own way.
    bool SaveQuietly(const std::string& path = std::string());
    // The notes as "Note.Dat" would hold them, written to a full path
    // elsewhere, without a word to the user.
    bool SaveCopy(const std::string& path);
    // Rebuilds everything from "Note.Dat"; without it, starts afresh with the
    // welcome note. False (after telling the user) when the file could not be read.
    BOOL Load();
    // How reading a data file without writing anything went.
    enum class ReadOnlyLoad { kLoaded, kMissing, kUnreadable };
    // Reads the data file at path (a full path) as Load does, holidays and the
    // purge of expired notes included, but in memory only: no backup, no copy
    // of a damaged file, no message, nothing on disk changes. A missing file
    // leaves the holidays alone; why a file could not be read goes to error.
    ReadOnlyLoad LoadReadOnly(const std::string& path, std::string& error);
    void SetHolidayLoader(HolidayLoader loader) { m_holidayLoader = std::move(loader); }
    // The full path of the data file, and of a kept copy of it that failed to load.
    std::string GetDataFilePath() const;
    const std::string& GetDamagedFileCopy() const { return m_strDamagedCopy; }

    // The notes, by way of the note manager.
    CNote* AddNote(std::unique_ptr<CNote> note);
    CNote* LookupNote(WORD id) const { return m_noteManager.Lookup(id); }
    std::unique_ptr<CNote> ReplaceNote(WORD id, std::unique_ptr<CNote> note);
    void DeleteNote(WORD id) { m_noteManager.Delete(id); }
    void RemoveAllNotes() { m_noteManager.RemoveAll(); }
    // A copy of the note under a new ID, as a history copy when history is
    // set; nullptr for a kind that cannot be copied or when no ID is left.
    CNote* Clone(const CNote& note, BOOL history);
    // After an alarm is dismissed: keeps a history copy (when the option and
    // keepHistory say so), deletes the note when asked, finds the next alarm.
    void CloseAlarm(WORD id, const COleDateTime& when, BOOL deleteNote, BOOL keepHistory);
    void UpdateNextAlarm(const CNote& note) { m_noteManager.UpdateNextAlarm(note); }
    void FindNextAlarm() { m_noteManager.FindNextAlarm(); }
    int GetNextAlarmID() const { return m_noteManager.m_nNextAlarmID; }
    COleDateTime GetNextAlarmTime() const { return m_noteManager.m_dtNextAlarm; }
    BOOL GetNotes(std::vector<CNote*>& out, int range, WORD categoryID, int sortOrder) const {
        return m_noteManager.GetNotes(out, range, categoryID, sortOrder);
    }
    // Every occurrence, or the first one of each repeated note, as the
    // "show recurrence" option says.
    void FillGrid(std::vector<std::vector<CNoteOccurrence>>& days, WORD categoryID,
                  const COleDateTime& from, const COleDateTime& to) const {
        m_noteManager.FillGrid(days, categoryID, from, to, !m_bShowRecurrence);
    }

    double m_dLatDeg = 40.0;
    double m_dLatMin = 43.0;
    double m_dLatSec = 0.0;
    double m_dLongDeg = 74.0;
    double m_dLongMin = 1.0;
    double m_dLongSec = 0.0;
    double m_dTimeZone = 0.0;
    BOOL m_bDaylightSaving = 0;
    int m_nNextCategoryID = 5;
    int m_nClearHistoryDays = 30;
    BOOL m_bCalendarView = 1;
    int m_nCategoryFilter = 0;
    int m_nAlarmSound = 147; // 147 speaker, 148 wave file, 149 mute
    int m_nOptionA = 0;
    int m_nStopAlarmSeconds = 60;
    BOOL m_bShowRecurrence = 1;
    int m_nOptionB = 1;
    BOOL m_bSaveHistory = 1;
    BOOL m_bMonthView = 0;
    BOOL m_b24Hour = 0;
    BOOL m_bWeekStartsSunday = 1;
    int m_nAppearanceOption = 0;
    int m_nOptionC = 0;
    RECT m_rcMainWindow; // top <= 0: no position saved
    // Black on white here; the program hands in the desktop's own text
    // colours before the first load.
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crTextBack = RGB(255, 255, 255);
    std::vector<CCategory> m_arrCategories;
    std::string m_strWindowTexture;
    std::string m_strToolbarTexture;
    std::string m_strWaveFile;
    int m_nListFilter = 0; // 0 today, 1 week, 2 month, 3 all
    CNoteManager m_noteManager;
    COleDateTime m_dtLastSaved;
    COleDateTime m_dtFirstSaved;

private:
    // path is a full path; first and now head the file.
    bool WriteFile(const std::string& path, const COleDateTime& first, const COleDateTime& now);
    void LoadHolidays();
    // Throws when the file cannot be opened or read whole.
    void ReadDataFile(const std::string& path);
    void StartAfresh(const COleDateTime& now);
    void ReportReadError(const std::string& path, const COleDateTime& now);
    bool KeepDamagedFileBeforeReplacing(const std::string& path);
    static void ReportSaveError();

    HolidayLoader m_holidayLoader;
    // A data file that failed to load is kept under a new name before
    // anything replaces it: the copy's name, and whether it is still to be made.
    std::string m_strDamagedFile;
    std::string m_strDamagedCopy;
    bool m_bDamagedCopyPending = false;
};
