#include "views/MonthList.h"

#include "res/StringTable.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kFirstYear = 2000;
constexpr int kYearsAhead = 9;
constexpr int kMonthsShownAfter = 8;
} // namespace

std::vector<CMonthListItem> MonthListItems(int currentYear) {
    std::vector<CMonthListItem> items;
    for (int year = kFirstYear; year <= currentYear + kYearsAhead; ++year) {
        for (int month = 1; month <= 12; ++month) {
            char yearText[16];
            std::snprintf(yearText, sizeof yearText, "%4d", year);
            items.push_back({LoadString(IDS_JANUARY + month - 1) + ", " + yearText,
                             MonthListData(year, month)});
        }
    }
    return items;
}

int MonthListData(int year, int month) {
    return (year - kFirstYear) * 12 + (month - 1);
}

int MonthListSelection(int year, int month, int itemCount) {
    if (month < 1 || month > 12) return -1;
    const int index = MonthListData(year, month);
    return index >= 0 && index < itemCount ? index : -1;
}

int MonthListScrollTarget(int selected, int itemCount) {
    if (selected < 0 || itemCount <= 0) return -1;
    return std::min(selected + kMonthsShownAfter, itemCount - 1);
}

CMonthListChoice::Report CMonthListChoice::SelectionChanged(int itemData) {
    if (!m_bInitialised || m_bDone) return Report::None;
    m_bDone = true;
    m_nChosen = itemData;
    return Report::Chosen;
}

CMonthListChoice::Report CMonthListChoice::FocusLost() {
    if (m_bDone) return Report::None;
    m_bDone = true;
    return Report::Dismissed;
}
