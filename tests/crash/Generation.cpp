#include "Generation.h"

#include "store/CalendarData.h"
#include "store/RecurringNote.h"

#include <cstdio>

namespace {

const COleDateTime kStart(2031, 3, 14, 9, 0, 0);

std::string Title(int g, int i) {
    return "gen " + std::to_string(g) + " #" + std::to_string(i);
}

std::string ExpiredTitle(int g) {
    return "gen " + std::to_string(g) + " expired";
}

// A body whose length differs between neighbouring generations, so a file
// pieced together from two of them cannot read as either.
std::string Body(int g, int i) {
    return std::string(static_cast<std::size_t>(40 + (i + g) % 61),
                       static_cast<char>('a' + i % 26));
}

std::unique_ptr<CNote> MakeNote(int g, int i) {
    const COleDateTime start = kStart + COleDateTimeSpan(i % 400, 0, 0, 0);
    std::unique_ptr<CNote> note;
    switch (i % 3) {
    case 0:
        note = std::make_unique<CNote>(kNoteMemo, Title(g, i), Body(g, i), start, 0);
        break;
    case 1:
        note =
            std::make_unique<COneTimeNote>(kNoteOneTime, Title(g, i), Body(g, i), start, 1, 0, 1);
        break;
    default:
        note = std::make_unique<CRecurringNote>(Title(g, i), Body(g, i), start, 0, kRepeatMonth, 1,
                                                0, 0, 1, 1, 1, 0);
    }
    note->m_nID = CNoteManager::kFirstNoteID + i;
    return note;
}

// The position of a generation's note from its title; -1 for another title.
int Position(const std::string& title, int& g) {
    int i = -1;
    char rest = 0;
    if (std::sscanf(title.c_str(), "gen %d #%d%c", &g, &i, &rest) != 2) return -1;
    return i;
}

} // namespace

void CGeneration::Make(CCalendarData& data, int g) {
    const int count = Count(g);
    std::vector<WORD> surplus;
    for (const auto& [id, note] : data.m_noteManager.Notes())
        if (id >= CNoteManager::kFirstNoteID + count) surplus.push_back(id);
    for (const WORD id : surplus)
        data.DeleteNote(id);
    for (int i = 0; i < count; ++i) {
        const auto id = static_cast<WORD>(CNoteManager::kFirstNoteID + i);
        if (CNote* note = data.LookupNote(id)) {
            note->m_strTitle = Title(g, i);
            note->m_strText = Body(g, i);
        } else {
            data.AddNote(MakeNote(g, i));
        }
    }
}

void CGeneration::AddExpired(CCalendarData& data, int g) {
    auto note = std::make_unique<CRecurringNote>(
        ExpiredTitle(g), "", COleDateTime(2001, 1, 1, 0, 0, 0), 0, kRepeatDay, 1, 0, 0, 1, 1, 1, 0);
    note->m_dtEnd = COleDateTime(2001, 2, 1, 0, 0, 0);
    data.AddNote(std::move(note));
}

int CGeneration::Of(const CCalendarData& data, bool& withExpired, std::string& error) {
    int generation = -1;
    int seen = 0;
    withExpired = false;
    for (const auto& [id, note] : data.m_noteManager.Notes()) {
        if (note->m_nType == kNoteHoliday) continue;
        int g = -1;
        const int i = Position(note->m_strTitle, g);
        if (generation < 0) generation = g;
        if (g != generation) {
            error = "note " + std::to_string(id) + " \"" + note->m_strTitle + "\" in generation " +
                    std::to_string(generation);
            return -1;
        }
        if (note->m_strTitle == ExpiredTitle(g)) {
            withExpired = true;
            continue;
        }
        if (i != id - CNoteManager::kFirstNoteID || note->m_strText != Body(g, i)) {
            error = "note " + std::to_string(id) + " \"" + note->m_strTitle + "\" is not whole";
            return -1;
        }
        ++seen;
    }
    if (generation < 0 || seen != Count(generation)) {
        error = std::to_string(seen) + " notes of generation " + std::to_string(generation);
        return -1;
    }
    return generation;
}
