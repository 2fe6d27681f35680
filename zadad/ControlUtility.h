#pragma once
// helpers for combo boxes and printing.

class QComboBox;

class CControlUtility {
public:
    // Index of the first item whose item data equals id, or -1 when none does.
    static int GetIDIndex(QComboBox& combo, int id);
};
