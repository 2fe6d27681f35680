// The geometry of a note window: caption height, roll-up, where the children
// go in both modes, what the mouse hits, and resizing with its minimums.
#include "reminders/NoteHitTest.h"
#include "reminders/NoteLayout.h"

#include <gtest/gtest.h>

namespace {

LOGFONT FontOf(int height) {
    LOGFONT font;
    font.lfHeight = height;
    return font;
}

constexpr int kCaption = 24;
constexpr int kLine = 16;

} // namespace

TEST(NoteLayout, CaptionFollowsTheFontButKeepsItsMinimum) {
    EXPECT_EQ(CNoteLayout::CaptionHeight(FontOf(10)), 24);
    EXPECT_EQ(CNoteLayout::CaptionHeight(FontOf(20)), 29);
    EXPECT_EQ(CNoteLayout::CaptionHeight(FontOf(-20)), 29);
    EXPECT_EQ(CNoteLayout::CaptionHeight(FontOf(2147483647)), 1009);
    EXPECT_EQ(CNoteLayout::CaptionHeight(FontOf(-2147483647 - 1)), 1009);
}

TEST(NoteLayout, RolledUpHeightGrowsWithTheCountdownLine) {
    EXPECT_EQ(CNoteLayout::RolledUpHeight(kCaption, kLine, false), 28);
    EXPECT_EQ(CNoteLayout::RolledUpHeight(kCaption, kLine, true), 46);
    EXPECT_EQ(CNoteLayout::MinWidth(28), 84);
    EXPECT_EQ(CNoteLayout::UnrolledHeight(200, kCaption, 28), 200);
    EXPECT_EQ(CNoteLayout::UnrolledHeight(0, kCaption, 28), 60);
}

TEST(NoteLayout, UnrolledDesktopNoteHasTextAboveItsCountdown) {
    const CNoteLayout::Desktop layout = CNoteLayout::LayOutDesktop(200, 150, kCaption, kLine, true);
    EXPECT_FALSE(layout.bRolledUp);
    EXPECT_TRUE(layout.bTextVisible);
    EXPECT_EQ(layout.rcCountdown, (RECT{5, 130, 195, 146}));
    EXPECT_EQ(layout.rcText, (RECT{5, 29, 195, 128}));

    const CNoteLayout::Desktop plain = CNoteLayout::LayOutDesktop(200, 150, kCaption, kLine, false);
    EXPECT_FALSE(plain.bCountdownVisible);
    EXPECT_EQ(plain.rcText, (RECT{5, 29, 195, 145}));
}

TEST(NoteLayout, RolledUpNoteShowsOnlyItsCountdownUnderTheCaption) {
    const CNoteLayout::Desktop layout = CNoteLayout::LayOutDesktop(200, 46, kCaption, kLine, true);
    EXPECT_TRUE(layout.bRolledUp);
    EXPECT_FALSE(layout.bTextVisible);
    EXPECT_EQ(layout.rcCountdown, (RECT{5, 25, 195, 41}));
    // One pixel higher and it is unrolled.
    EXPECT_FALSE(CNoteLayout::LayOutDesktop(200, 47, kCaption, kLine, true).bRolledUp);
    EXPECT_TRUE(CNoteLayout::LayOutDesktop(200, 28, kCaption, kLine, false).bRolledUp);
}

TEST(NoteLayout, AlarmTextEndsABorderAboveTheSnoozeRow) {
    const CNoteLayout::Alarm layout = CNoteLayout::LayOutAlarm(241, 212, kCaption, 34, 46);
    EXPECT_EQ(layout.rcText.left, 4);
    EXPECT_EQ(layout.rcText.top, 28);
    EXPECT_EQ(layout.rcText.right, 237);
    EXPECT_EQ(layout.rcText.bottom, layout.rcCheck.top - 4);
    EXPECT_GT(layout.nSeparatorY, layout.rcText.bottom);
    EXPECT_LT(layout.nSeparatorY, layout.rcCheck.top);
    // The row: hours, its label, minutes, its label, then "OK" at the right.
    EXPECT_LE(layout.rcHours.right, layout.rcHoursLabel.left);
    EXPECT_LE(layout.rcHoursLabel.right, layout.rcMinutes.left);
    EXPECT_LE(layout.rcMinutes.right, layout.rcMinutesLabel.left);
    EXPECT_LE(layout.rcMinutesLabel.right, layout.rcOk.left);
    EXPECT_EQ(layout.rcOk.right, 241 - 10);
    EXPECT_EQ(layout.rcOk.bottom, 212 - 10);
    EXPECT_LE(layout.rcCheck.bottom, layout.rcHours.top);
    // Above the row the check box's caption has the note's width.
    EXPECT_LE(layout.rcCheck.bottom, layout.rcOk.top);
    EXPECT_EQ(layout.rcCheck.left, layout.rcHours.left);
    EXPECT_EQ(layout.rcCheck.right, layout.rcOk.right);
}

TEST(NoteHitTest, CaptionPartsFromLeftToRight) {
    EXPECT_EQ(CNoteHitTest::HitCaption(10, 12, 200, kCaption), CNoteHitTest::kPin);
    EXPECT_EQ(CNoteHitTest::HitCaption(190, 12, 200, kCaption), CNoteHitTest::kClose);
    EXPECT_EQ(CNoteHitTest::HitCaption(100, 12, 200, kCaption), CNoteHitTest::kCaption);
    EXPECT_EQ(CNoteHitTest::HitCaption(100, 30, 200, kCaption), CNoteHitTest::kNone);
    const RECT title = CNoteHitTest::TitleRect(200, kCaption);
    EXPECT_GT(title.left, CNoteHitTest::PinRect(200, kCaption).right);
    EXPECT_LT(title.right, CNoteHitTest::CloseRect(200, kCaption).left);
}

TEST(NoteHitTest, EightEdgeZones) {
    using H = CNoteHitTest;
    EXPECT_EQ(H::HitEdges(100, 75, 200, 150), H::kEdgeNone);
    EXPECT_EQ(H::HitEdges(0, 75, 200, 150), H::kEdgeLeft);
    EXPECT_EQ(H::HitEdges(4, 75, 200, 150), H::kEdgeLeft);
    EXPECT_EQ(H::HitEdges(5, 75, 200, 150), H::kEdgeNone);
    EXPECT_EQ(H::HitEdges(195, 75, 200, 150), H::kEdgeRight);
    EXPECT_EQ(H::HitEdges(100, 2, 200, 150), H::kEdgeTop);
    EXPECT_EQ(H::HitEdges(100, 149, 200, 150), H::kEdgeBottom);
    EXPECT_EQ(H::HitEdges(1, 1, 200, 150), H::kEdgeLeft | H::kEdgeTop);
    EXPECT_EQ(H::HitEdges(199, 149, 200, 150), H::kEdgeRight | H::kEdgeBottom);
    EXPECT_EQ(H::HitEdges(-1, 75, 200, 150), H::kEdgeNone);
}

TEST(NoteHitTest, ResizeKeepsTheOppositeEdgesAndTheMinimums) {
    using H = CNoteHitTest;
    const RECT start{100, 100, 300, 250};
    EXPECT_EQ(H::Resize(start, H::kEdgeRight | H::kEdgeBottom, 20, 30, 84, 28),
              (RECT{100, 100, 320, 280}));
    EXPECT_EQ(H::Resize(start, H::kEdgeLeft, 500, 0, 84, 28), (RECT{216, 100, 300, 250}));
    EXPECT_EQ(H::Resize(start, H::kEdgeTop, 0, 500, 84, 28), (RECT{100, 222, 300, 250}));
    EXPECT_EQ(H::Resize(start, H::kEdgeRight, -500, 0, 84, 28), (RECT{100, 100, 184, 250}));
    EXPECT_EQ(H::Resize(start, H::kEdgeNone, 50, 50, 84, 28), start);
}
