#pragma once
// Checks that a date is valid and falls at midnight of the given day.

#include "zadad/OleDateTime.h"

#include <gtest/gtest.h>

inline void ExpectMidnightOf(const COleDateTime& dt, int year, int month, int day) {
    ASSERT_EQ(dt.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(dt.GetYear(), year);
    EXPECT_EQ(dt.GetMonth(), month);
    EXPECT_EQ(dt.GetDay(), day);
    EXPECT_EQ(dt.GetHour(), 0);
    EXPECT_EQ(dt.GetMinute(), 0);
    EXPECT_EQ(dt.GetSecond(), 0);
}
