#pragma once
// The contents and behaviour of the month list that drops down under the
// calendar's month title, apart from its window: which months it lists,
// which one it opens on, and the rule that it reports exactly once.

#include <string>
#include <vector>

struct CMonthListItem {
    std::string text; // "March, 2003"
    int data;         // (year - 2000) x 12 + (month - 1)
};

// Every month from January 2000 to December of currentYear + 9.
std::vector<CMonthListItem> MonthListItems(int currentYear);
// The item data of a month, which is also its index in the list.
int MonthListData(int year, int month);
// The item the list opens on for a month, or -1 when the list lacks it.
int MonthListSelection(int year, int month, int itemCount);
// The item to scroll into view before selecting `selected`, so that the 8
// months after it show too.
int MonthListScrollTarget(int selected, int itemCount);

// Reports once: either the first change of selection after the list was
// set up (a month was chosen) or the first loss of focus (dismissed).
class CMonthListChoice {
public:
    enum class Report { None, Chosen, Dismissed };

    // Call once the list has its items and its first selection.
    void Initialised() { m_bInitialised = true; }
    Report SelectionChanged(int itemData);
    Report FocusLost();
    bool Done() const { return m_bDone; }
    // The chosen item data, -1 until a month was chosen.
    int ChosenData() const { return m_nChosen; }

private:
    bool m_bInitialised = false;
    bool m_bDone = false;
    int m_nChosen = -1;
};
