#include "store/NoteManager.h"

#include "store/DataFileReader.h"
#include "store/NoteCasts.h"
#include "zadad/Archive.h"

#include <algorithm>

CNoteManager::CNoteManager() = default;

CNoteManager::~CNoteManager() = default;

bool CNoteManager::IsTaken(int id) const {
    return m_mapNotes.contains(static_cast<WORD>(id));
}

bool CNoteManager::IsOwnID(const CNote& note) {
    if (note.m_nType == kNoteHoliday) return note.m_nID >= 1 && note.m_nID <= kLastHolidayID;
    return note.m_nID >= kFirstNoteID && note.m_nID <= kLastNoteID;
}

int CNoteManager::LowestFreeNoteID() const {
    int candidate = kFirstNoteID;
    for (auto it = m_mapNotes.lower_bound(kFirstNoteID); it != m_mapNotes.end(); ++it) {
        if (it->first != candidate) break;
        ++candidate;
    }
    return candidate <= kLastNoteID ? candidate : 0;
}

int CNoteManager::NextFreeNoteID() {
    // The counter only grows, so a deleted note's ID comes back only once the
    // counter has run out of 16-bit keys.
    m_nNextID = std::max(m_nNextID, kFirstNoteID);
    while (m_nNextID <= kLastNoteID && IsTaken(m_nNextID))
        ++m_nNextID;
    if (m_nNextID <= kLastNoteID) return m_nNextID++;
    return LowestFreeNoteID();
}

int CNoteManager::AssignID(const CNote& note) {
    if (note.m_nType != kNoteHoliday) return NextFreeNoteID();
    // Holidays must stay below the first note ID, or they would collide with notes.
    while (m_nHolidayCount < kLastHolidayID && IsTaken(m_nHolidayCount + 1))
        ++m_nHolidayCount;
    if (m_nHolidayCount >= kLastHolidayID) return 0;
    return ++m_nHolidayCount;
}

bool CNoteManager::Insert(std::unique_ptr<CNote>& note) {
    const WORD id = static_cast<WORD>(note->m_nID);
    // The data file lists notes in ID order, so while loading each one lands
    // after the last: no search is needed there.
    auto hint = m_mapNotes.end();
    if (!m_mapNotes.empty() && m_mapNotes.rbegin()->first >= id) {
        hint = m_mapNotes.lower_bound(id);
        if (hint != m_mapNotes.end() && hint->first == id) return false;
    }
    m_mapNotes.emplace_hint(hint, id, std::move(note));
    return true;
}

CNote* CNoteManager::Add(std::unique_ptr<CNote> note) {
    if (!note) return nullptr;
    const bool isNew = note->m_nID == 0;
    // An ID outside the note's own range, or one another note holds, would
    // make two notes share a key: the newcomer gets an ID of its own instead.
    if (!isNew && !IsOwnID(*note)) note->m_nID = 0;
    if (note->m_nID == 0) note->m_nID = AssignID(*note);
    CNote* stored = note.get();
    if (stored->m_nID != 0 && !Insert(note)) {
        stored->m_nID = AssignID(*stored);
        if (stored->m_nID != 0) Insert(note);
    }
    if (stored->m_nID == 0) return nullptr;
    if (isNew && stored->m_bRemind && !stored->m_bHistory) UpdateNextAlarm(*stored);
    return stored;
}

CNote* CNoteManager::Lookup(WORD id) const {
    const auto it = m_mapNotes.find(id);
    return it == m_mapNotes.end() ? nullptr : it->second.get();
}

std::unique_ptr<CNote> CNoteManager::Replace(WORD id, std::unique_ptr<CNote> note) {
    if (!note) return nullptr;
    note->m_nID = id;
    CNote& stored = *note;
    std::unique_ptr<CNote>& slot = m_mapNotes[id];
    std::unique_ptr<CNote> previous = std::move(slot);
    slot = std::move(note);
    if (id == m_nNextAlarmID)
        FindNextAlarm();
    else
        UpdateNextAlarm(stored);
    return previous;
}

void CNoteManager::Delete(WORD id) {
    const auto it = m_mapNotes.find(id);
    if (it == m_mapNotes.end()) return;
    // Out of the map before it is deleted: its window may look the note up on the way out.
    std::unique_ptr<CNote> note = std::move(it->second);
    m_mapNotes.erase(it);
    note.reset();
    FindNextAlarm();
}

void CNoteManager::RemoveAll() {
    // Out of the map first: a note's window may look notes up as it closes.
    NoteMap notes(m_mapNotes.get_allocator());
    notes.swap(m_mapNotes);
    notes.clear();
    m_nNextAlarmID = 0;
    m_nHolidayCount = 0;
}

void CNoteManager::UpdateNextAlarm(const CNote& note) {
    const COneTimeNote* timed = AsOneTime(note);
    if (!note.m_bRemind || !timed) return;
    if (m_nNextAlarmID == 0 || timed->m_dtAlarm < m_dtNextAlarm) {
        m_nNextAlarmID = note.m_nID;
        m_dtNextAlarm = timed->m_dtAlarm;
    }
}

void CNoteManager::FindNextAlarm() {
    m_nNextAlarmID = 0;
    if (m_mapNotes.empty()) return;
    m_dtNextAlarm = COleDateTime(2100, 1, 1, 0, 0, 0);
    for (const auto& [id, note] : m_mapNotes) {
        const COneTimeNote* timed = AsOneTime(*note);
        if (!timed || !note->m_bRemind || note->m_bAlarmActive || note->m_bHistory ||
            !note->m_bActive)
            continue;
        if (timed->m_dtAlarm < m_dtNextAlarm) { // strictly: the first of equal times wins
            m_nNextAlarmID = id;
            m_dtNextAlarm = timed->m_dtAlarm;
        }
    }
}

void CNoteManager::Serialize(CArchive& ar, int clearHistoryDays) {
    if (ar.IsStoring()) {
        Store([&ar](const std::vector<std::uint8_t>& bytes) {
            ar.Write(bytes.data(), bytes.size());
        });
        return;
    }
    CDataFileReader in(ar);
    Load(in, clearHistoryDays);
}

namespace {

// Holidays come from their own file, and only these kinds can be read back.
bool IsStoredKind(const CNote& note) {
    return note.m_nType == kNoteMemo || note.m_nType == kNoteOneTime ||
           note.m_nType == kNoteRecurring;
}

// The fewest bytes a note record can take: a kind code and two empty strings
// already make 6; a kind 10 entry is the kind code alone.
constexpr std::size_t kSmallestRecord = 4;

constexpr std::size_t kStorePiece = 256 * 1024;

} // namespace

void CNoteManager::Store(const ByteSink& write) const {
    std::int32_t count = 0;
    for (const auto& entry : m_mapNotes)
        count += IsStoredKind(*entry.second) ? 1 : 0;
    CArchive ar;
    // Handed on in pieces: a large store is never held twice in memory. One
    // buffer serves every piece.
    ar.Reserve(2 * kStorePiece);
    ar << count << static_cast<std::int32_t>(m_nNextID);
    for (const auto& entry : m_mapNotes) {
        CNote& note = *entry.second;
        if (!IsStoredKind(note)) continue;
        ar << static_cast<std::int32_t>(note.m_nType);
        note.Serialize(ar);
        if (ar.Buffer().size() >= kStorePiece) {
            write(ar.Buffer());
            ar.ClearBuffer();
        }
    }
    write(ar.Buffer());
}

void CNoteManager::Load(CDataFileReader& in, int clearHistoryDays) {
    std::int32_t count = 0;
    std::int32_t nextID = 0;
    in.Read([&](CArchive& ar) {
        ar >> count >> nextID;
        if (count < 0) throw CArchiveException(CArchiveException::badFormat, "negative note count");
        if (static_cast<std::size_t>(count) > ar.Remaining() / kSmallestRecord)
            throw CArchiveException(CArchiveException::badLength,
                                    "note count larger than the file");
    });
    m_nNextID = std::max<int>(nextID, kFirstNoteID);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    for (std::int32_t i = 0; i < count; ++i) {
        std::unique_ptr<CNote> note;
        in.Read([&note, &now](CArchive& ar) { note = LoadRecord(ar, now); });
        if (note && KeepLoaded(*note, now, clearHistoryDays)) Add(std::move(note));
    }
}

std::unique_ptr<CNote> CNoteManager::LoadRecord(CArchive& ar, const COleDateTime& now) {
    std::int32_t kind = 0;
    ar >> kind;
    std::unique_ptr<CNote> note;
    switch (kind) {
    case kNoteMemo:
        note = std::make_unique<CNote>(now);
        break;
    case kNoteOneTime:
        note = std::make_unique<COneTimeNote>(now);
        break;
    case kNoteRecurring:
        note = std::make_unique<CRecurringNote>(now);
        break;
    case kNoteHoliday:
        return nullptr; // holidays are never stored; the entry carries nothing more
    default:
        throw CArchiveException(CArchiveException::badFormat,
                                "unknown note kind " + std::to_string(kind));
    }
    note->Serialize(ar);
    note->m_nType = kind;
    return note;
}

bool CNoteManager::KeepLoaded(const CNote& note, const COleDateTime& now, int clearHistoryDays) {
    if (note.m_bHistory && clearHistoryDays > 0)
        return (now - note.m_dtStart) < COleDateTimeSpan(clearHistoryDays, 0, 0, 0);
    return IsCurrent(note, now);
}
