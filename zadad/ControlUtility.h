#pragma once
// helpers for combo boxes and printing.

class CControlUtility {
public:
};
