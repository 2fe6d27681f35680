// Shapes from bitmaps, textured shapes with their shadow, and tiling.
#include "DrawingTestSupport.h"
#include "zadad/Picture.h"
#include "zadad/Utility.h"

#include <QRegion>

namespace {

constexpr unsigned kAllBlack = 9001;
constexpr unsigned kNoBlack = 9002;
constexpr unsigned kShape = 9003;    // black 10 x 10, white 4 x 3 at (2, 3), red pixel at (8, 8)
constexpr unsigned kGreenKey = 9004; // a green row with one magenta pixel at x = 2
constexpr unsigned kChecker = 9101;  // 4 x 2: red, blue, red, blue / blue, red, blue, red

TEST(RegionFromBitmap, AllKeyColourGivesAnEmptyRegion) {
    QRegion region(0, 0, 5, 5);
    EXPECT_TRUE(CUtility::CreateRgnFromBmp(nullptr, region, RGB(0, 0, 0), kAllBlack));
    EXPECT_TRUE(region.isEmpty());
}

TEST(RegionFromBitmap, NoKeyColourGivesTheFullRectangle) {
    QRegion region;
    EXPECT_TRUE(CUtility::CreateRgnFromBmp(nullptr, region, RGB(0, 0, 0), kNoBlack));
    EXPECT_EQ(region, QRegion(0, 0, 8, 6));
}

TEST(RegionFromBitmap, CoversExactlyThePixelsThatDifferFromTheKey) {
    QRegion region;
    ASSERT_TRUE(CUtility::CreateRgnFromBmp(nullptr, region, RGB(0, 0, 0), kShape));
    EXPECT_EQ(region, QRegion(2, 3, 4, 3) + QRegion(8, 8, 1, 1));
    EXPECT_TRUE(region.contains(QPoint(2, 3)));
    EXPECT_TRUE(region.contains(QPoint(5, 5)));
    EXPECT_FALSE(region.contains(QPoint(6, 5)));
    EXPECT_FALSE(region.contains(QPoint(2, 6)));
}

TEST(RegionFromBitmap, TakesAnyKeyColour) {
    QRegion region;
    ASSERT_TRUE(CUtility::CreateRgnFromBmp(nullptr, region, RGB(0, 255, 0), kGreenKey));
    EXPECT_EQ(region, QRegion(2, 0, 1, 1));
}

TEST(RegionFromBitmap, AMissingBitmapGivesFalseAndAnEmptyRegion) {
    QRegion region(0, 0, 3, 3);
    EXPECT_FALSE(CUtility::CreateRgnFromBmp(nullptr, region, RGB(0, 0, 0), 8999));
    EXPECT_TRUE(region.isEmpty());
}

TEST(Draw3DRgn, FillsTheShapeWithABlackEdgeAtItsLowerRight) {
    QImage image = Canvas(30, 30);
    QPainter painter(&image);
    const QRegion shape(2, 2, 4, 4);
    CUtility::Draw3DRgn(&painter, &shape, nullptr, RGB(255, 0, 0), 10, 10, 10, 10);
    EXPECT_EQ(PixelAt(image, 12, 12), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 15, 15), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 16, 13), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 13, 16), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 16, 16), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 11, 11), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 16, 12), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 17, 17), RGB(255, 255, 255));
}

TEST(Draw3DRgn, PaintsThePictureTiledFromTheCorner) {
    CPicture checker;
    ASSERT_TRUE(checker.Load(kChecker));
    QImage image = Canvas(20, 20);
    QPainter painter(&image);
    const QRegion shape(0, 0, 8, 4);
    CUtility::Draw3DRgn(&painter, &shape, &checker, RGB(0, 255, 0), 5, 5, 10, 10);
    EXPECT_EQ(PixelAt(image, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 6, 5), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(image, 9, 5), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 12, 8), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 13, 8), RGB(0, 0, 0)); // the shadow
}

TEST(Draw3DRgn, NothingWithoutARegion) {
    QImage image = Canvas(5, 5);
    QPainter painter(&image);
    CUtility::Draw3DRgn(&painter, nullptr, nullptr, RGB(255, 0, 0), 0, 0, 5, 5);
    EXPECT_EQ(image, Canvas(5, 5));
}

class TileTextureTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_checker.Load(kChecker)); }
    CPicture m_checker;
};

TEST_F(TileTextureTest, RepeatsThePictureFromTheTopLeftCorner) {
    QImage image = Canvas(12, 8);
    QPainter painter(&image);
    CUtility::TileTexture(&painter, RECT{1, 1, 11, 7}, &m_checker, nullptr);
    EXPECT_EQ(PixelAt(image, 1, 1), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 5, 1), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 6, 1), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(image, 1, 3), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 2, 4), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 0, 0), RGB(255, 255, 255));
}

TEST_F(TileTextureTest, StopsAtTheEdgeOfTheArea) {
    QImage image = Canvas(12, 8);
    QPainter painter(&image);
    CUtility::TileTexture(&painter, RECT{0, 0, 6, 3}, &m_checker, nullptr);
    EXPECT_EQ(PixelAt(image, 4, 2), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 6, 0), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 0, 3), RGB(255, 255, 255));
}

TEST_F(TileTextureTest, AnAllZeroRectangleMeansThePicturesOwnSize) {
    QImage image = Canvas(8, 8);
    QPainter painter(&image);
    CUtility::TileTexture(&painter, RECT{}, &m_checker, nullptr);
    EXPECT_EQ(PixelAt(image, 3, 1), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 4, 0), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 0, 2), RGB(255, 255, 255));
}

TEST_F(TileTextureTest, TheExclusionSkipsLaterTilesRightOfAndBelowItsCorner) {
    QImage image = Canvas(8, 4);
    QPainter painter(&image);
    const RECT exclude{1, 1, 20, 20};
    CUtility::TileTexture(&painter, RECT{0, 0, 8, 4}, &m_checker, &exclude);
    EXPECT_EQ(PixelAt(image, 4, 0), RGB(255, 0, 0));     // first tile of its column
    EXPECT_EQ(PixelAt(image, 0, 2), RGB(255, 0, 0));     // column left of the corner
    EXPECT_EQ(PixelAt(image, 4, 2), RGB(255, 255, 255)); // skipped
    EXPECT_EQ(PixelAt(image, 7, 3), RGB(255, 255, 255));
}

TEST_F(TileTextureTest, TheExclusionCountsOnlyWhenTheAreaEndsInsideIt) {
    QImage image = Canvas(8, 4);
    QPainter painter(&image);
    const RECT exclude{1, 1, 8, 20}; // the area's right edge is not left of it
    CUtility::TileTexture(&painter, RECT{0, 0, 8, 4}, &m_checker, &exclude);
    EXPECT_EQ(PixelAt(image, 4, 2), RGB(255, 0, 0));
}

TEST_F(TileTextureTest, NothingIsDrawnWithoutAPicture) {
    QImage image = Canvas(8, 4);
    QPainter painter(&image);
    CPicture empty;
    CUtility::TileTexture(&painter, RECT{0, 0, 8, 4}, &empty, nullptr);
    CUtility::TileTexture(&painter, RECT{0, 0, 8, 4}, nullptr, nullptr);
    CUtility::TileTexture(&painter, RECT{0, 0, 8, 4}, "/no/such.bmp", kChecker);
    EXPECT_EQ(image, Canvas(8, 4));
}

TEST_F(TileTextureTest, ByNameUsesTheBuiltInPictureWithoutAFile) {
    QImage image = Canvas(8, 4);
    QPainter painter(&image);
    CUtility::TileTexture(&painter, RECT{0, 0, 8, 4}, "", kChecker);
    EXPECT_EQ(PixelAt(image, 7, 3), RGB(255, 0, 0));
}

} // namespace
