#pragma once
// date constants, date arithmetic, the program directory and the font record.

class CDateUtility {
public:
};
