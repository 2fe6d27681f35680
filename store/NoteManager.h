#pragma once
// CNoteManager: owns every note of the running program under its 16-bit ID,
// hands out the IDs, keeps the earliest pending alarm, answers the list and
// calendar queries of the views and stores and loads the notes block of the
// data file with the purge rules for expired and old entries.

#include "store/Note.h"
#include "store/NoteOccurrence.h"

#include <functional>
#include <map>
#include <memory>
#include <memory_resource>
#include <vector>

class CArchive;
class CDataFileReader;

// Which notes the notes list asks for.
enum NoteRange : int {
    kRangeToday = 0,
    kRangeWeek = 1,
    kRangeMonth = 2,
    kRangeAll = 3,
};

// How the notes list is sorted; any other value keeps the ID order.
enum NoteSortOrder : int {
    kSortDateDescending = 4,
    kSortDateAscending = 5,
    kSortTitleDescending = 6,
    kSortTitleAscending = 7,
};

class CNoteManager {
public:
    using NoteMap = std::pmr::map<WORD, std::unique_ptr<CNote>>;
    // Takes the bytes of the data file a piece at a time.
    using ByteSink = std::function<void(const std::vector<std::uint8_t>&)>;

    // Holidays take 1 up to kLastHolidayID, every other note kFirstNoteID up.
    static constexpr int kLastHolidayID = 599;
    static constexpr int kFirstNoteID = 600;
    static constexpr int kLastNoteID = 0xFFFF;

    CNoteManager();
    ~CNoteManager();
    CNoteManager(const CNoteManager&) = delete;
    CNoteManager& operator=(const CNoteManager&) = delete;

    // Takes the note. One without an ID gets the next free one (a holiday the
    // next holiday ID) and, when it has a reminder and is no history copy,
    // may become the next alarm. One with an ID keeps it unless another note
    // holds it or it lies outside its kind's range. Returns the stored note, or nullptr when no ID
    // is left (the note is then deleted).
    CNote* Add(std::unique_ptr<CNote> note);
    CNote* Lookup(WORD id) const;
    // Stores note under id and hands the note that was there back to the caller.
    std::unique_ptr<CNote> Replace(WORD id, std::unique_ptr<CNote> note);
    void Delete(WORD id);
    // Deletes every note. The note counter stays, so IDs are not handed out twice.
    void RemoveAll();

    void UpdateNextAlarm(const CNote& note);
    void FindNextAlarm();

    // The keep test: false only for a repeated note, not history, whose end
    // date is set and not later than t.
    static BOOL IsCurrent(const CNote& note, const COleDateTime& t);
    // The occurrence a view shows for the note at reference time t.
    static COleDateTime GetOccurrence(const CNote& note, const COleDateTime& t);
    // The date the notes list files, sorts and shows a note under: the
    // current occurrence of a note with one (no history copy), else its start.
    static COleDateTime GetListDate(const CNote& note);

    // The notes list: active notes of the range and category (0 = all),
    // sorted by sortOrder. True when anything was found.
    BOOL GetNotes(std::vector<CNote*>& out, int range, WORD categoryID, int sortOrder) const;
    // The calendar grid: one list per day from `from` (00:00) up to `to`,
    // each sorted by time. firstOnly shows a repeated note once per range.
    void FillGrid(std::vector<std::vector<CNoteOccurrence>>& days, WORD categoryID,
                  const COleDateTime& from, const COleDateTime& to, BOOL firstOnly) const;

    // The notes block of the data file. Loading drops expired repeated notes
    // and, when clearHistoryDays is positive, history copies older than that.
    void Serialize(CArchive& ar, int clearHistoryDays = 0);
    // The two halves on their own: storing hands the bytes over in pieces of
    // a few hundred kilobytes, loading reads the file a record at a time.
    void Store(const ByteSink& write) const;
    void Load(CDataFileReader& in, int clearHistoryDays);

    const NoteMap& Notes() const { return m_mapNotes; }
    std::size_t GetCount() const { return m_mapNotes.size(); }

    int m_nNextAlarmID = 0;
    COleDateTime m_dtNextAlarm;
    BOOL m_bWeekFromSunday = 1;
    int m_nNextID = kFirstNoteID;
    int m_nHolidayCount = 0;

private:
    int AssignID(const CNote& note);
    int NextFreeNoteID();
    int LowestFreeNoteID() const;
    bool IsTaken(int id) const;
    // Stores note under its ID unless another note holds it (note then stays with the caller).
    bool Insert(std::unique_ptr<CNote>& note);
    // Whether the note's ID lies in the range of its kind.
    static bool IsOwnID(const CNote& note);

    // One record; the empty note it fills is made at now.
    static std::unique_ptr<CNote> LoadRecord(CArchive& ar, const COleDateTime& now);
    static bool KeepLoaded(const CNote& note, const COleDateTime& now, int clearHistoryDays);

    void SortNotes(std::vector<CNote*>& notes, int sortOrder) const;

    // The map's nodes come from the note memory, as the notes do.
    NoteMap m_mapNotes{CNoteMemory::Resource()};
};
