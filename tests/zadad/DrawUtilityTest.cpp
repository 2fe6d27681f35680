// Gradients, shaded and glass bars, dots, bevelled lines and frames, and
// the lines that lighten what lies beneath.
#include "DrawingTestSupport.h"
#include "zadad/SystemColors.h"
#include "zadad/Utility.h"

#include <QPoint>

namespace {

TEST(Gradient, VerticalRunsFromTopToBottom) {
    QImage image = Canvas(10, 101);
    QPainter painter(&image);
    CUtility::FillGradientRect(&painter, 0, 0, 10, 101, RGB(255, 0, 0), RGB(0, 0, 255), 1);
    EXPECT_TRUE(Near(PixelAt(image, 5, 0), RGB(255, 0, 0), 3));
    EXPECT_TRUE(Near(PixelAt(image, 5, 50), RGB(127, 0, 127), 3));
    EXPECT_TRUE(Near(PixelAt(image, 5, 100), RGB(0, 0, 255), 3));
}

TEST(Gradient, HorizontalRunsFromLeftToRightInsideTheRectangleOnly) {
    QImage image = Canvas(120, 4);
    QPainter painter(&image);
    CUtility::FillGradientRect(&painter, 10, 1, 111, 3, RGB(0, 0, 0), RGB(255, 255, 255), 0);
    EXPECT_TRUE(Near(PixelAt(image, 10, 1), RGB(0, 0, 0), 3));
    EXPECT_TRUE(Near(PixelAt(image, 110, 2), RGB(255, 255, 255), 3));
    EXPECT_EQ(PixelAt(image, 9, 1), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 50, 0), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 50, 3), RGB(255, 255, 255));
}

TEST(Gradient, QuadrilateralShadesFromTheFirstPairToTheSecond) {
    QImage image = Canvas(101, 101);
    QPainter painter(&image);
    CUtility::FillGradientPoly(&painter, QPoint(0, 0), QPoint(100, 0), QPoint(100, 100),
                               QPoint(0, 100), RGB(0, 0, 0), RGB(200, 200, 200));
    // Both triangles shade along the same direction: from the top edge (p1,
    // p2) to the bottom edge (p3, p4).
    EXPECT_TRUE(Near(PixelAt(image, 80, 10), RGB(20, 20, 20), 4));
    EXPECT_TRUE(Near(PixelAt(image, 10, 90), RGB(180, 180, 180), 4));
    EXPECT_TRUE(Near(PixelAt(image, 90, 90), RGB(180, 180, 180), 4));
}

TEST(ShadeRect1, RunsFromALighterToADarkerTone) {
    const COLORREF c = RGB(80, 120, 200);
    QImage image = Canvas(20, 40);
    QPainter painter(&image);
    CUtility::ShadeRect1(&painter, RECT{0, 0, 20, 40}, c);
    EXPECT_TRUE(Near(PixelAt(image, 5, 0), ColorAdjustLuma(c, 450, 1), 5));
    EXPECT_TRUE(Near(PixelAt(image, 5, 39), ColorAdjustLuma(c, -400, 1), 5));
}

TEST(GlassRect1, DrawsFiveBandsAtFractionsOfTheBottom) {
    const COLORREF c = RGB(60, 110, 170);
    auto luma = [c](int n) { return ColorAdjustLuma(c, n, 1); };
    QImage image = Canvas(10, 160, Qt::black);
    QPainter painter(&image);
    CUtility::GlassRect1(&painter, RECT{0, 0, 10, 160}, c);
    EXPECT_TRUE(Near(PixelAt(image, 3, 0), RGB(255, 255, 255), 8));
    EXPECT_TRUE(Near(PixelAt(image, 3, 20), luma(600), 6));  // B / 8
    EXPECT_TRUE(Near(PixelAt(image, 3, 40), c, 6));          // B / 4
    EXPECT_TRUE(Near(PixelAt(image, 3, 80), luma(200), 6));  // B / 2
    EXPECT_TRUE(Near(PixelAt(image, 3, 100), luma(500), 6)); // 5B / 8
    EXPECT_TRUE(Near(PixelAt(image, 3, 159), luma(800), 6));
}

TEST(Dots, OutDotIsLitTopLeftAndShadedBottomRight) {
    QImage image = Canvas(6, 6, QColor(200, 0, 0));
    QPainter painter(&image);
    CUtility::DrawOutDot(&painter, QPoint(2, 2));
    EXPECT_EQ(PixelAt(image, 2, 2), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 3, 3), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 2, 3), RGB(128, 128, 128));
    EXPECT_EQ(PixelAt(image, 3, 2), RGB(128, 128, 128));
    EXPECT_EQ(PixelAt(image, 1, 1), RGB(200, 0, 0));
}

TEST(Dots, InDotIsShadedTopLeftWithABlackCentre) {
    QImage image = Canvas(6, 6, QColor(200, 0, 0));
    QPainter painter(&image);
    CUtility::DrawInDot(&painter, QPoint(2, 2));
    const QColor light = systemcolors::ButtonHighlight();
    EXPECT_EQ(PixelAt(image, 2, 2), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 1, 1), RGB(128, 128, 128));
    EXPECT_EQ(PixelAt(image, 2, 1), RGB(128, 128, 128));
    EXPECT_EQ(PixelAt(image, 3, 3), RGB(light.red(), light.green(), light.blue()));
    EXPECT_EQ(PixelAt(image, 4, 4), RGB(200, 0, 0));
}

TEST(BevelLine, SteepsGreyPerLineAndShortensWithSlantMinusOne) {
    QImage image = Canvas(40, 20, Qt::black);
    QPainter painter(&image);
    CUtility::DrawBevelLine(&painter, QPoint(10, 10), QPoint(30, 10), 3, 255, 0, -1, 255, 0);
    EXPECT_EQ(PixelAt(image, 10, 10), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 29, 10), RGB(255, 255, 255));
    EXPECT_EQ(PixelAt(image, 30, 10), RGB(0, 0, 0)); // the end point is not drawn
    EXPECT_EQ(PixelAt(image, 10, 11), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 11, 11), RGB(170, 170, 170));
    EXPECT_EQ(PixelAt(image, 28, 11), RGB(170, 170, 170));
    EXPECT_EQ(PixelAt(image, 12, 12), RGB(85, 85, 85));
    EXPECT_EQ(PixelAt(image, 11, 12), RGB(0, 0, 0));
}

TEST(BevelLine, SlantPlusOneStartsShortAndGrows) {
    QImage image = Canvas(10, 30, Qt::black);
    QPainter painter(&image);
    CUtility::DrawBevelLine(&painter, QPoint(2, 0), QPoint(2, 20), 2, 200, 200, 1, 255, 0);
    EXPECT_EQ(PixelAt(image, 2, 1), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 2, 2), RGB(200, 200, 200));
    EXPECT_EQ(PixelAt(image, 2, 17), RGB(200, 200, 200));
    EXPECT_EQ(PixelAt(image, 2, 18), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(image, 3, 1), RGB(200, 200, 200));
    EXPECT_EQ(PixelAt(image, 3, 18), RGB(200, 200, 200));
}

TEST(BevelLine, BlendsEachLineWithItsOwnAlpha) {
    QImage image = Canvas(20, 5, Qt::black);
    QPainter painter(&image);
    CUtility::DrawBevelLine(&painter, QPoint(0, 0), QPoint(20, 0), 2, 255, 255, 0, 255, -127);
    EXPECT_EQ(PixelAt(image, 5, 0), RGB(255, 255, 255));
    EXPECT_TRUE(Near(PixelAt(image, 5, 1), RGB(128, 128, 128), 2));
}

TEST(BevelLine, AStripOfNoWidthDrawsNothing) {
    QImage image = Canvas(10, 10, Qt::black);
    QPainter painter(&image);
    CUtility::DrawBevelLine(&painter, QPoint(0, 0), QPoint(9, 0), 0, 255, 0, -1, 255, 0);
    CUtility::DrawLumaRect(&painter, RECT{1, 1, 8, 8}, 1, 0, 100);
    EXPECT_EQ(image, Canvas(10, 10, Qt::black));
}

TEST(LumaRect, RaisedIsLightTopLeftAndDarkBottomRightInside) {
    const QColor grey(128, 128, 128);
    QImage image = Canvas(60, 60, grey);
    QPainter painter(&image);
    CUtility::DrawLumaRect(&painter, RECT{10, 10, 50, 50}, 1, 4, -1);
    EXPECT_GT(GetRValue(PixelAt(image, 30, 10)), 128);
    EXPECT_GT(GetRValue(PixelAt(image, 10, 30)), 128);
    EXPECT_LT(GetRValue(PixelAt(image, 30, 49)), 128);
    EXPECT_LT(GetRValue(PixelAt(image, 49, 30)), 128);
    EXPECT_EQ(PixelAt(image, 30, 9), RGB(128, 128, 128)); // nothing outside
    EXPECT_EQ(PixelAt(image, 30, 30), RGB(128, 128, 128));
}

TEST(LumaRect, SunkenIsDarkTopLeftAndLightBottomRightOutside) {
    const QColor grey(128, 128, 128);
    QImage image = Canvas(60, 60, grey);
    QPainter painter(&image);
    CUtility::DrawLumaRect(&painter, RECT{10, 10, 50, 50}, 0, 4, 128);
    EXPECT_LT(GetRValue(PixelAt(image, 30, 9)), 128);
    EXPECT_LT(GetRValue(PixelAt(image, 9, 30)), 128);
    EXPECT_GT(GetRValue(PixelAt(image, 30, 50)), 128);
    EXPECT_GT(GetRValue(PixelAt(image, 50, 30)), 128);
    EXPECT_EQ(PixelAt(image, 30, 10), RGB(128, 128, 128)); // nothing inside
}

TEST(LumaLine, ChangesEveryPixelOfTheRowIncludingBothEnds) {
    QImage image = Canvas(10, 3, QColor(100, 60, 20));
    QPainter painter(&image);
    CUtility::DrawLumaLine(&painter, QPoint(7, 1), QPoint(2, 1), 30, 0);
    const COLORREF lighter = ColorAdjustLuma(RGB(100, 60, 20), 300, 1);
    EXPECT_EQ(PixelAt(image, 2, 1), lighter);
    EXPECT_EQ(PixelAt(image, 7, 1), lighter);
    EXPECT_EQ(PixelAt(image, 1, 1), RGB(100, 60, 20));
    EXPECT_EQ(PixelAt(image, 8, 1), RGB(100, 60, 20));
    EXPECT_EQ(PixelAt(image, 4, 0), RGB(100, 60, 20));
}

TEST(LumaLine, ManyLinesStepTheirPositionAndLuma) {
    QImage image = Canvas(3, 10, QColor(128, 128, 128));
    QPainter painter(&image);
    CUtility::DrawMulLumaLine(&painter, QPoint(0, 2), QPoint(0, 5), -10, 1, 0, -20, 3);
    EXPECT_EQ(PixelAt(image, 0, 3), ColorAdjustLuma(RGB(128, 128, 128), -100, 1));
    EXPECT_EQ(PixelAt(image, 1, 3), ColorAdjustLuma(RGB(128, 128, 128), -300, 1));
    EXPECT_EQ(PixelAt(image, 2, 5), ColorAdjustLuma(RGB(128, 128, 128), -500, 1));
    EXPECT_EQ(PixelAt(image, 2, 6), RGB(128, 128, 128));
}

TEST(LumaLine, LinesOffThePictureAreLeftAlone) {
    QImage image = Canvas(4, 4, QColor(50, 50, 50));
    QPainter painter(&image);
    CUtility::DrawLumaLine(&painter, QPoint(-5, 10), QPoint(20, 10), 50, 0);
    CUtility::DrawLumaLine(&painter, QPoint(-5, 1), QPoint(1, 1), 50, 0);
    EXPECT_NE(PixelAt(image, 0, 1), RGB(50, 50, 50));
    EXPECT_EQ(PixelAt(image, 2, 1), RGB(50, 50, 50));
}

TEST(Draw3dRect, RaisedHasTheLightEdgeTopLeft) {
    QImage image = Canvas(10, 10, QColor(0, 128, 0));
    QPainter painter(&image);
    CUtility::Draw3dRect(&painter, RECT{1, 1, 9, 9}, 1);
    const QColor light = systemcolors::ButtonHighlight();
    const QColor dark = systemcolors::DarkShadow();
    EXPECT_EQ(PixelAt(image, 4, 1), RGB(light.red(), light.green(), light.blue()));
    EXPECT_EQ(PixelAt(image, 1, 4), RGB(light.red(), light.green(), light.blue()));
    EXPECT_EQ(PixelAt(image, 4, 8), RGB(dark.red(), dark.green(), dark.blue()));
    EXPECT_EQ(PixelAt(image, 8, 4), RGB(dark.red(), dark.green(), dark.blue()));
    CUtility::Draw3dRect(&painter, RECT{1, 1, 9, 9}, 0);
    EXPECT_EQ(PixelAt(image, 4, 1), RGB(dark.red(), dark.green(), dark.blue()));
}

} // namespace
