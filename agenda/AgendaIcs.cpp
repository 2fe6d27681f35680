#include "agenda/AgendaIcs.h"

#include "store/IcsExport.h"
#include "store/Note.h"
#include "store/NoteOccurrence.h"
#include "views/RtfToPlainText.h"

#include <memory>

std::string FormatAgendaIcs(const CCalendarData& data, const std::vector<CAgendaLine>& lines) {
    // The Moon and the Sun have no note of their own: each line gets a memo
    // of its title at its time, which an untimed day makes an all-day event.
    std::vector<std::unique_ptr<CNote>> skyNotes;
    std::vector<CNoteOccurrence> occurrences;
    occurrences.reserve(lines.size());
    for (const CAgendaLine& line : lines) {
        CNote* note = line.note;
        if (!note) {
            skyNotes.push_back(
                std::make_unique<CNote>(kNoteMemo, std::string(line.title), "", line.when, 0));
            note = skyNotes.back().get();
        }
        occurrences.emplace_back(line.when, note);
    }
    return CIcsExport::WriteOccurrences(data, occurrences, RtfToPlainText);
}
