#pragma once
// A data file that is not the program's own: one memo with the given title,
// saved as dir/TITLE.dat, as a user might pick it for an import.

#include "store/CalendarData.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

inline std::string SaveOtherDataFile(const std::string& dir, const std::string& title) {
    CCalendarData other;
    other.AddNote(std::make_unique<CNote>(kNoteMemo, title, "", COleDateTime::GetCurrentTime(), 0));
    const std::string path = dir + "/" + title + ".dat";
    EXPECT_TRUE(other.Save(path));
    return path;
}
