#include "store/Category.h"

#include "store/CalendarData.h"
#include "tests/store/NoteFactory.h"
#include "tests/support/TestClock.h"
#include "zadad/Archive.h"

#include <gtest/gtest.h>

namespace {

using Ids = std::vector<unsigned>;
using Names = std::vector<std::string>;

TEST(Category, ARecordIsItsIDThenItsName) {
    CCategory category(7, "Dentist");
    CArchive out;
    category.Serialize(out);
    const std::vector<std::uint8_t> want = {7, 0, 0, 0, 7, 'D', 'e', 'n', 't', 'i', 's', 't'};
    EXPECT_EQ(out.Buffer(), want);

    CArchive in(out.Buffer());
    CCategory loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded, category);

    const std::vector<std::uint8_t> cut(want.begin(), want.end() - 1);
    CArchive shortInput(cut);
    EXPECT_THROW(loaded.Serialize(shortInput), CArchiveException);
}

TEST(Category, AFreshDataObjectHasTheFiveDefaults) {
    CTestClock clock;
    CCalendarData data;
    Ids ids;
    Names names;
    data.GetCategories(ids, names);
    EXPECT_EQ(ids, (Ids{0, 1, 2, 3, 4}));
    EXPECT_EQ(names, (Names{"All", "Payment", "Appointment", "Birthday", "Anniversary"}));
    EXPECT_EQ(data.m_nNextCategoryID, 5);
    // Getting appends to what the caller already has.
    data.GetCategories(ids, names);
    EXPECT_EQ(ids.size(), 10u);
}

TEST(Category, SettingReplacesTheListAndNeverLowersTheNextID) {
    CTestClock clock;
    CCalendarData data;
    data.SetCategories({0, 2, 5}, {"All", "Appointment", "Gym"});
    data.m_nNextCategoryID = 6; // as the categories page hands it back
    Ids ids;
    Names names;
    data.GetCategories(ids, names);
    EXPECT_EQ(ids, (Ids{0, 2, 5}));
    EXPECT_EQ(names, (Names{"All", "Appointment", "Gym"}));
    data.SetCategories({0}, {"All"});
    EXPECT_EQ(data.m_nNextCategoryID, 6);
    // A list that holds an ID at or past the counter moves the counter on.
    data.SetCategories({0, 9}, {"All", "Imported"});
    EXPECT_EQ(data.m_nNextCategoryID, 10);
    data.RemoveAllCategories();
    EXPECT_TRUE(data.m_arrCategories.empty());
}

TEST(Category, ANoteOfARemovedCategoryShowsOnlyUnderAll) {
    CTestClock clock;
    CCalendarData data;
    data.AddNote(MakeMemo("birthday", COleDateTime::GetCurrentTime(), 3));
    data.SetCategories({0, 1, 2}, {"All", "Payment", "Appointment"});
    std::vector<CNote*> notes;
    EXPECT_TRUE(data.GetNotes(notes, 3, 0, 0));
    EXPECT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0]->m_wCategoryID, 3);
    for (WORD category : {1, 2, 4})
        EXPECT_FALSE(data.GetNotes(notes, 3, category, 0));
}

} // namespace
