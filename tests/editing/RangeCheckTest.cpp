#include "editing/RangeCheck.h"

#include <gtest/gtest.h>

TEST(RangeCheckTest, AcceptsWholeNumbersInsideTheRange) {
    int value = -1;
    EXPECT_EQ(CRangeCheck::Read("0", 0, 24, value), CRangeCheck::kValid);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(CRangeCheck::Read(" 24 ", 0, 24, value), CRangeCheck::kValid);
    EXPECT_EQ(value, 24);
    EXPECT_EQ(CRangeCheck::Read("+7", 0, 24, value), CRangeCheck::kValid);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(CRangeCheck::Read("-3", -5, 5, value), CRangeCheck::kValid);
    EXPECT_EQ(value, -3);
}

TEST(RangeCheckTest, RefusesNumbersOutsideTheRangeAndLeavesTheValue) {
    int value = 11;
    EXPECT_EQ(CRangeCheck::Read("25", 0, 24, value), CRangeCheck::kOutOfRange);
    EXPECT_EQ(CRangeCheck::Read("66", 0, 65, value), CRangeCheck::kOutOfRange);
    EXPECT_EQ(CRangeCheck::Read("-1", 0, 65, value), CRangeCheck::kOutOfRange);
    EXPECT_EQ(CRangeCheck::Read("99999999999999999999999", 0, 65, value), CRangeCheck::kOutOfRange);
    EXPECT_EQ(value, 11);
    EXPECT_EQ(CRangeCheck::Message(CRangeCheck::kOutOfRange, 1, 365),
              "Please enter an integer between 1 and 365.");
}

TEST(RangeCheckTest, RefusesWhatIsNoNumber) {
    int value = 0;
    for (const char* text : {"", "  ", "1.5", "2x", "x2", "1 2", "--1", "+"})
        EXPECT_EQ(CRangeCheck::Read(text, 0, 100, value), CRangeCheck::kNotInteger) << text;
    EXPECT_EQ(CRangeCheck::Message(CRangeCheck::kNotInteger, 0, 1), "Please enter an integer.");
}
