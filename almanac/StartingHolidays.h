#pragma once
// The starting "Holiday.txt" delivered with the program (the public holidays
// of the United States). It is installed under share/orrindale beside the
// program's bin directory and copied into the program directory on the first
// run, when no holiday file is there yet; an existing file is never replaced.

#include "zadad/WinTypes.h"

#include <string>

class CStartingHolidays {
public:
    // Where the delivered file lies: share/orrindale/Holiday.txt beside the
    // running executable's bin directory.
    static std::string DeliveredFile();

    // Copies the delivered file into the program directory when that has no
    // "Holiday.txt". Returns 1 when the program directory has one afterwards.
    static BOOL Provide();
    static BOOL Provide(const std::string& deliveredFile);
};
