#include "views/DayCellItems.h"

#include "store/Note.h"

std::vector<CDayCellItem> DayCellEntries(const std::vector<CNoteOccurrence>& day) {
    std::vector<CDayCellItem> items;
    items.reserve(day.size());
    for (const CNoteOccurrence& entry : day) {
        if (!entry.m_pNote) continue;
        CDayCellItem& item = items.emplace_back();
        item.dtTime = entry.m_dtTime;
        item.wNoteID = static_cast<WORD>(entry.m_pNote->m_nID);
    }
    return items;
}

void DescribeItem(CDayCellItem& item, const CNote* note, const std::string& timeFormat) {
    item.bDescribed = true;
    if (!note) return;
    item.bHoliday = note->m_nType == kNoteHoliday;
    item.nIcon = item.bHoliday ? -1 : note->GetIconIndex();
    item.strText = !item.bHoliday && note->m_bRemind
                       ? item.dtTime.Format(timeFormat.c_str()) + " " + note->m_strTitle
                       : note->m_strTitle;
}

std::vector<std::string> CellHeadings(const COleDateTime& day, bool monthGrid, bool today,
                                      bool printing) {
    const std::string mark = today && !printing ? " *" : "";
    if (monthGrid) return {std::to_string(day.GetDay()) + mark};
    return {day.Format("%A, %B %d") + mark, day.Format("%a, %b %d") + mark,
            day.Format("%a %#d") + mark, std::to_string(day.GetDay()) + mark};
}
