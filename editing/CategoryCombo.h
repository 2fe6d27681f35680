#pragma once
// Fills a drop-down list with the categories: first "No Category" (choosing a
// note's category) or "All" (a filter) with ID 0, then every category after
// the first with its ID as item data.

#include "zadad/WinTypes.h"

class CCalendarData;
class QComboBox;

class CCategoryCombo {
public:
    static void Fill(QComboBox& combo, const CCalendarData& data, BOOL forNote);
    // The ID of the chosen entry; 0 (no category) when nothing is chosen.
    static WORD SelectedID(const QComboBox& combo);
    // Chooses the entry of id, or the first entry when no entry has it.
    static void Select(QComboBox& combo, WORD id);
};
