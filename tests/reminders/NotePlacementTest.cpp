// Where note windows open on the desktop: new, saved, dropped, shown again,
// and dropped together in rows and columns.
#include "reminders/NotePlacement.h"

#include "store/Note.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

CNote SavedNote(const RECT& rect) {
    CNote note(kNoteMemo, "Saved", "", COleDateTime(2026, 12, 8, 9, 0, 0), 0);
    note.m_rcWindow = rect;
    note.m_bHasWindowRect = 1;
    return note;
}

constexpr int kNone = CNotePlacement::kNoPosition;

} // namespace

TEST(NotePlacement, NewNoteOpensAtTwoFifthsWithAFifthOfTheScreen) {
    const CNote note(kNoteMemo, "New", "", COleDateTime(2026, 12, 8, 9, 0, 0), 0);
    EXPECT_EQ(CNotePlacement::InitialRect(note, kNone, kNone, 1280, 800),
              (RECT{512, 320, 768, 480}));
}

TEST(NotePlacement, SavedNoteReopensAtItsRectangle) {
    const RECT saved{30, 40, 230, 64};
    EXPECT_EQ(CNotePlacement::InitialRect(SavedNote(saved), kNone, kNone, 1280, 800), saved);
}

TEST(NotePlacement, DroppedNoteHangsCentredJustAboveThePoint) {
    const CNote fresh(kNoteMemo, "New", "", COleDateTime(2026, 12, 8, 9, 0, 0), 0);
    EXPECT_EQ(CNotePlacement::InitialRect(fresh, 600, 300, 1280, 800), (RECT{472, 293, 728, 453}));
    // Keeps its saved size, never above the top of the screen.
    EXPECT_EQ(CNotePlacement::InitialRect(SavedNote(RECT{0, 0, 200, 100}), 600, 3, 1280, 800),
              (RECT{500, 0, 700, 100}));
}

TEST(NotePlacement, SavedRectangleWithoutAreaIsNotUsed) {
    EXPECT_EQ(CNotePlacement::InitialRect(SavedNote(RECT{10, 10, 10, 50}), kNone, kNone, 1000, 500),
              (RECT{400, 200, 600, 300}));
}

TEST(NotePlacement, WindowShownAgainKeepsAMinimumSize) {
    EXPECT_EQ(CNotePlacement::ShownAgainRect(RECT{0, 0, 200, 150}, 500, 100),
              (RECT{400, 94, 600, 244}));
    EXPECT_EQ(CNotePlacement::ShownAgainRect(RECT{0, 0, 20, 10}, 500, 100),
              (RECT{470, 94, 530, 118}));
    EXPECT_EQ(CNotePlacement::ShownAgainRect(RECT{30, 40, 230, 64}, kNone, kNone),
              (RECT{30, 40, 230, 64}));
}

TEST(NotePlacement, LostWindowsAreBroughtBackWithinReach) {
    const RECT desktop{0, 0, 1280, 800};
    const RECT onScreen{100, 100, 300, 200};
    EXPECT_EQ(CNotePlacement::KeepReachable(onScreen, desktop), onScreen);
    // Saved on a larger screen than the one there is now.
    EXPECT_EQ(CNotePlacement::KeepReachable(RECT{3000, 2000, 3200, 2100}, desktop),
              (RECT{1240, 776, 1440, 876}));
    EXPECT_EQ(CNotePlacement::KeepReachable(RECT{-500, -50, -300, 50}, desktop),
              (RECT{-160, 0, 40, 100}));
    // A second monitor to the left is part of the desktop.
    EXPECT_EQ(CNotePlacement::KeepReachable(RECT{-900, 10, -700, 110}, (RECT{-1024, 0, 1280, 800})),
              (RECT{-900, 10, -700, 110}));
    EXPECT_EQ(CNotePlacement::KeepReachable(RECT{5, 5, 5, 5}, desktop), (RECT{5, 5, 261, 165}));
}

TEST(DropPoints, FiftyNotesAtTheLeftEdgeFillColumnsFromTheTop) {
    CDropPoints points(0, 0, 1024, 768);
    std::set<std::pair<int, int>> seen;
    int columns = 1;
    int previousX = 0;
    for (int i = 0; i < 50; ++i) {
        EXPECT_TRUE(seen.insert({points.X(), points.Y()}).second) << "note " << i;
        EXPECT_LE(points.Y(), 768 - 18);
        EXPECT_EQ(points.Y() % 18, 0);
        if (points.X() != previousX) {
            EXPECT_EQ(points.X() - previousX, 24);
            EXPECT_EQ(points.Y(), 0);
            ++columns;
            previousX = points.X();
        }
        points.Advance();
    }
    // Rows 0 ... 738 are 42 places; the 43rd note starts the second column.
    EXPECT_EQ(columns, 2);
}

TEST(DropPoints, ColumnsStepLeftNearTheRightEdge) {
    CDropPoints points(900, 738, 1050, 768);
    points.Advance();
    EXPECT_EQ(points.X(), 876); // 900 is exactly 6/7 of 1050
    EXPECT_EQ(points.Y(), 0);
    CDropPoints left(899, 750, 1050, 768);
    left.Advance();
    EXPECT_EQ(left.X(), 923);
}
