// Finding a combo box entry by the number it carries.
#include "zadad/Utility.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

TEST(GetIDIndex, FindsTheFirstItemCarryingTheNumber) {
    QComboBox combo;
    combo.addItem("No Category", 0);
    combo.addItem("Business", 7);
    combo.addItem("Plain");
    combo.addItem("Again", 7);
    EXPECT_EQ(CUtility::GetIDIndex(combo, 0), 0);
    EXPECT_EQ(CUtility::GetIDIndex(combo, 7), 1);
}

TEST(GetIDIndex, NoItemWithTheNumberGivesMinusOne) {
    QComboBox combo;
    EXPECT_EQ(CUtility::GetIDIndex(combo, 0), -1);
    combo.addItem("Plain");
    combo.addItem("Business", 7);
    EXPECT_EQ(CUtility::GetIDIndex(combo, 8), -1);
}

} // namespace
