// The program's built-in pictures and texts: every number the program asks
// for is there, in the size and with the transparent colour it expects.
#include "res/Resources.h"
#include "res/StringTable.h"
#include "zadad/Picture.h"
#include "zadad/Utility.h"

#include <QRegion>
#include <gtest/gtest.h>
#include <vector>

namespace {

int CountPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

class ToolbarShapes : public ::testing::TestWithParam<unsigned> {};

TEST_P(ToolbarShapes, Are32PixelSquaresShapedByABlackKey) {
    const QImage bitmap = resources::Bitmap(GetParam());
    ASSERT_EQ(bitmap.size(), QSize(32, 32));
    const int black = CountPixels(bitmap, qRgb(0, 0, 0));
    EXPECT_GT(black, 100);           // room around the shape
    EXPECT_LT(black, 32 * 32 - 200); // and a shape to press
    QRegion region;
    ASSERT_TRUE(CUtility::CreateRgnFromBmp(nullptr, region, RGB(0, 0, 0), GetParam()));
    EXPECT_FALSE(region.isEmpty());
    EXPECT_NE(region, QRegion(0, 0, 32, 32));
}

INSTANTIATE_TEST_SUITE_P(Eleven, ToolbarShapes, ::testing::ValuesIn(resources::kToolbarBitmaps));

TEST(SunPictures, AreFifteenPixelsWithPureGreenAround) {
    for (unsigned id : {resources::kBitmapSunrise, resources::kBitmapSunset}) {
        const QImage bitmap = resources::Bitmap(id);
        ASSERT_EQ(bitmap.size(), QSize(15, 15)) << id;
        EXPECT_EQ(bitmap.pixel(0, 0) & 0xFFFFFF, 0x00FF00u) << id;
        const int green = CountPixels(bitmap, qRgb(0, 255, 0));
        EXPECT_GT(green, 40) << id;
        EXPECT_LT(green, 15 * 15 - 40) << id;
        EXPECT_FALSE(resources::TransparentBitmap(id, QColor(0, 255, 0)).isNull());
    }
}

TEST(NoteIcons, TenImagesOfSixteenPixelsWithWhiteTransparent) {
    const QImage strip = resources::Bitmap(resources::kBitmapNoteIcons);
    ASSERT_EQ(strip.size(), QSize(160, 16));
    for (int i = 0; i < resources::kNoteIconCount; ++i) {
        const QImage one = strip.copy(16 * i, 0, 16, 16);
        const int white = CountPixels(one, qRgb(255, 255, 255));
        EXPECT_GT(white, 0) << i;
        EXPECT_LT(white, 16 * 16 - 30) << i;
        EXPECT_EQ(resources::NoteIcon(i).size(), QSize(16, 16));
    }
    EXPECT_TRUE(resources::NoteIcon(-1).isNull());
    EXPECT_TRUE(resources::NoteIcon(10).isNull());
}

TEST(NoteIcons, HistoryCopiesAreGreyAndRemindersDifferFromPlain) {
    const QImage strip = resources::Bitmap(resources::kBitmapNoteIcons);
    for (int kind = 0; kind < 3; ++kind) {
        const QImage plain = strip.copy(48 * kind, 0, 16, 16);
        const QImage reminder = strip.copy(48 * kind + 16, 0, 16, 16);
        const QImage history = strip.copy(48 * kind + 32, 0, 16, 16);
        EXPECT_NE(plain, reminder) << kind;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QColor c = history.pixelColor(x, y);
                EXPECT_LE(std::abs(c.red() - c.green()), 10) << kind;
            }
    }
}

TEST(Icons, EveryIconOfTheMenusAndWindowsIsThere) {
    for (unsigned id : {128u, 213u, 214u, 220u, 224u, 225u, 226u, 227u, 228u, 229u, 230u, 238u}) {
        const QIcon icon = resources::Icon(id);
        ASSERT_FALSE(icon.isNull()) << id;
        EXPECT_FALSE(icon.pixmap(16, 16).isNull()) << id;
    }
    EXPECT_TRUE(resources::Icon(999).isNull());
}

TEST(Cursors, PointWithTheirHotSpot) {
    for (unsigned id : {106u, 215u, 216u, 217u, 218u, 219u}) {
        const QCursor cursor = resources::Cursor(id);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << id;
        EXPECT_FALSE(cursor.pixmap().isNull()) << id;
    }
    EXPECT_EQ(resources::Cursor(216).hotSpot(), QPoint(16, 4));
    EXPECT_EQ(resources::Cursor(219).hotSpot(), QPoint(27, 16));
    EXPECT_EQ(resources::Cursor(1).shape(), Qt::ArrowCursor);
}

TEST(Pictures, TheLogoAndBothTexturesLoadAsPictures) {
    CPicture logo;
    ASSERT_TRUE(logo.Load(resources::kImageLogo));
    EXPECT_EQ(logo.Width(), 264);
    EXPECT_EQ(logo.Height(), 143);
    EXPECT_FALSE(resources::Picture(resources::kImageWindowTexture).isNull());
}

TEST(Pictures, TheTexturesGiveReadableNoteColours) {
    // The window texture's colour is the note title: white text on it.
    const COLORREF title = CUtility::GetTextureColor(nullptr, "", 153);
    EXPECT_LE(CUtility::GetBrightness(title), 70);
    // The toolbar texture brightened is the note body: black text on it.
    const COLORREF body = ColorAdjustLuma(CUtility::GetTextureColor(nullptr, "", 152), 400, 1);
    EXPECT_GT(CUtility::GetBrightness(body), 70);
}

TEST(Pictures, ComeAtAScreensScaleFromTheirLargerDrawingTakingTheSameRoom) {
    struct Case {
        unsigned id;
        QSize size;
        QRgb key;
    };
    const std::vector<Case> cases = {
        {resources::kToolbarBitmaps[0], {32, 32}, qRgb(0, 0, 0)},
        {resources::kToolbarBitmaps[10], {32, 32}, qRgb(0, 0, 0)},
        {resources::kBitmapSunrise, {15, 15}, qRgb(0, 255, 0)},
        {resources::kBitmapNoteIcons, {160, 16}, qRgb(255, 255, 255)},
    };
    for (const Case& c : cases) {
        const QImage plain = resources::Bitmap(c.id);
        const int plainKeys = CountPixels(plain, c.key);
        for (const qreal scale : {1.5, 2.0}) {
            const QImage fine = resources::Bitmap(c.id, scale);
            EXPECT_EQ(fine.size(), (QSizeF(c.size) * scale).toSize()) << c.id << " at " << scale;
            EXPECT_EQ(fine.deviceIndependentSize().toSize(), c.size) << c.id;
            // The key stays exact, around as much of the picture as before.
            const double keys = CountPixels(fine, c.key) / (scale * scale);
            EXPECT_NEAR(keys / plainKeys, 1.0, 0.15) << c.id << " at " << scale;
        }
        // Drawn again at twice the size, not the small picture blown up.
        EXPECT_NE(resources::Bitmap(c.id, 2), plain.scaled(c.size * 2)) << c.id;
    }
    const QImage logo = resources::Picture(resources::kImageLogo, 2);
    EXPECT_EQ(logo.size(), QSize(528, 286));
    EXPECT_EQ(logo.deviceIndependentSize().toSize(), QSize(264, 143));
}

TEST(Pictures, TransparentPartsStayTransparentAtAScale) {
    const QImage icon = resources::NoteIcon(0, 2).toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    const QImage sun =
        resources::TransparentBitmap(resources::kBitmapSunrise, QColor(0, 255, 0), 2).toImage();
    ASSERT_EQ(sun.size(), QSize(30, 30));
    for (const QImage& image : {icon, sun}) {
        int clear = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                clear += image.pixelColor(x, y).alpha() == 0;
        EXPECT_GT(clear, image.width());
        EXPECT_LT(clear, image.width() * image.height() - image.width());
    }
    EXPECT_EQ(sun.pixelColor(0, 0).alpha(), 0);
}

TEST(StringTable, HoldsTheTooltipsOfEveryCalendarButton) {
    for (int id : {110, 111, 112, 113, 117, 119, 121, 123, 125, 127, 130, 131, 132,
                   133, 134, 135, 136, 137, 138, 139, 140, 142, 143, 144, 145})
        EXPECT_FALSE(LoadString(id).empty()) << id;
    EXPECT_EQ(LoadString(119), "Deuplite Selected Note");
    EXPECT_EQ(LoadString(139), "Move Back 4 Weeks");
    EXPECT_EQ(LoadString(142), "Today's Notes");
}

TEST(StringTable, HoldsTheTrayMenuAndTheNamesOfDaysAndMonths) {
    for (int id : {108, 109, 32792, 32794, 32798, 32799, 32800, 32802, 32803, 32804, 32807})
        EXPECT_FALSE(LoadString(id).empty()) << id;
    EXPECT_EQ(LoadString(IDS_SUNDAY + 3), "Wednesday");
    EXPECT_EQ(LoadString(IDS_SUNDAY_SHORT + 3), "Wed");
    EXPECT_EQ(LoadString(IDS_SUNDAY_LETTER + 3), "W");
    EXPECT_EQ(LoadString(IDS_JANUARY + 7), "Augest");
    EXPECT_EQ(LoadString(IDS_JANUARY + 11), "December");
    EXPECT_EQ(LoadString(IDS_FIRST + 4), "Last");
    EXPECT_EQ(LoadString(61244), "%B, %Y");
    EXPECT_EQ(LoadString(12345), "");
}

} // namespace
