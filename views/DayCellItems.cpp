#include "views/DayCellItems.h"

#include "store/Note.h"

namespace {

std::string ItemText(const CNoteOccurrence& entry, const std::string& timeFormat) {
    const CNote& note = *entry.m_pNote;
    if (note.m_nType != kNoteHoliday && note.m_bRemind)
        return entry.m_dtTime.Format(timeFormat.c_str()) + " " + note.m_strTitle;
    return note.m_strTitle;
}

} // namespace

std::vector<CDayCellItem> BuildDayCellItems(const std::vector<CNoteOccurrence>& day,
                                            const std::string& timeFormat) {
    std::vector<CDayCellItem> items;
    items.reserve(day.size());
    for (const CNoteOccurrence& entry : day) {
        if (!entry.m_pNote) continue;
        const CNote& note = *entry.m_pNote;
        CDayCellItem item;
        item.strText = ItemText(entry, timeFormat);
        item.bHoliday = note.m_nType == kNoteHoliday;
        item.nIcon = item.bHoliday ? -1 : note.GetIconIndex();
        item.wNoteID = static_cast<WORD>(note.m_nID);
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<std::string> CellHeadings(const COleDateTime& day, bool monthGrid, bool today,
                                      bool printing) {
    const std::string mark = today && !printing ? " *" : "";
    if (monthGrid) return {std::to_string(day.GetDay()) + mark};
    return {day.Format("%A, %B %d") + mark, day.Format("%a, %b %d") + mark,
            day.Format("%a %#d") + mark, std::to_string(day.GetDay()) + mark};
}
