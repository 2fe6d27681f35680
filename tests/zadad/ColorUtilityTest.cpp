// Colour arithmetic: brightness, text colour choice and readability, brightness changes,
// mixing and luminance steps, against worked values.
#include "zadad/Utility.h"

#include <gtest/gtest.h>

namespace {

struct Rgb {
    int r, g, b;
};
Rgb Split(COLORREF c) {
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}
#define EXPECT_RGB(color, R, G, B)                                                                 \
    do {                                                                                           \
        const Rgb rgb_ = Split(color);                                                             \
        EXPECT_EQ(rgb_.r, R);                                                                      \
        EXPECT_EQ(rgb_.g, G);                                                                      \
        EXPECT_EQ(rgb_.b, B);                                                                      \
    } while (0)

TEST(Brightness, WeightsTheChannelsThirtyFiftyNineEleven) {
    EXPECT_EQ(CUtility::GetBrightness(RGB(255, 255, 255)), 100);
    EXPECT_EQ(CUtility::GetBrightness(RGB(0, 255, 0)), 59);
    EXPECT_EQ(CUtility::GetBrightness(RGB(255, 0, 0)), 30);
    EXPECT_EQ(CUtility::GetBrightness(RGB(0, 0, 255)), 11);
    EXPECT_EQ(CUtility::GetBrightness(RGB(0, 0, 0)), 0);
}

TEST(ReverseColor, WhiteUpToBrightnessSixtyThenBlack) {
    EXPECT_EQ(CUtility::GetReverseColor(RGB(128, 128, 128)), RGB(255, 255, 255)); // 50
    EXPECT_EQ(CUtility::GetReverseColor(RGB(200, 200, 200)), RGB(0, 0, 0));       // 78
    EXPECT_EQ(CUtility::GetReverseColor(RGB(153, 153, 153)), RGB(255, 255, 255)); // exactly 60
    EXPECT_EQ(CUtility::GetReverseColor(RGB(156, 156, 156)), RGB(0, 0, 0));       // 61
}

TEST(ReadableColor, KeepsATextThatStandsOffItsBackgroundElseBlackOrWhite) {
    struct Case {
        COLORREF text, background, expected;
    };
    const COLORREF page = RGB(245, 245, 255);
    const Case cases[] = {
        {RGB(0, 0, 128), page, RGB(0, 0, 128)},                    // navy on the page: kept
        {RGB(128, 128, 128), page, RGB(128, 128, 128)},            // grey, 47 apart: kept
        {RGB(240, 240, 240), page, RGB(0, 0, 0)},                  // a dark desktop's text
        {RGB(180, 180, 180), page, RGB(0, 0, 0)},                  // 26 apart: too faint
        {RGB(30, 30, 30), RGB(40, 40, 60), RGB(255, 255, 255)},    // dark on a dark title
        {RGB(255, 255, 255), RGB(40, 40, 60), RGB(255, 255, 255)}, // light on dark: kept
        {RGB(77, 77, 77), RGB(0, 0, 0), RGB(77, 77, 77)},          // 30 apart: kept
        {RGB(76, 76, 76), RGB(0, 0, 0), RGB(255, 255, 255)},       // 29 apart: white
    };
    for (const Case& c : cases)
        EXPECT_EQ(CUtility::GetReadableColor(c.text, c.background), c.expected)
            << std::hex << c.text << " on " << c.background;
}

TEST(ChangeColorBright, RaisesBlackToThePercentageAndScalesTheRest) {
    EXPECT_RGB(CUtility::ChangeColorBright(RGB(0, 100, 200), 20, 20, 20), 51, 117, 237);
}

TEST(ChangeColorBright, ClampsToFullScaleAndLeavesBlackDarkening) {
    EXPECT_RGB(CUtility::ChangeColorBright(RGB(255, 0, 128), 50, -20, -100), 255, 0, 0);
}

TEST(AdjustColor, DarkensChannelsAboveHalfAndBrightensTheOthers) {
    const COLORREF c = RGB(250, 10, 128);
    // Red is at 98 %, so it darkens; green at 3 % and blue at exactly 50 %
    // keep the positive direction.
    EXPECT_EQ(CUtility::AdjustColor(c, 10, 10, 10), CUtility::ChangeColorBright(c, -10, 10, 10));
    EXPECT_RGB(CUtility::AdjustColor(c, 10, 10, 10), 226, 7, 140);
}

TEST(MidColor, InterpolatesEachChannel) {
    EXPECT_RGB(CUtility::GetMidColor(RGB(0, 0, 0), RGB(255, 255, 255), 50), 127, 127, 127);
    EXPECT_EQ(CUtility::GetMidColor(RGB(10, 20, 30), RGB(200, 100, 0), 0), RGB(10, 20, 30));
    EXPECT_EQ(CUtility::GetMidColor(RGB(10, 20, 30), RGB(200, 100, 0), 100), RGB(200, 100, 0));
    EXPECT_RGB(CUtility::GetMidColor(RGB(255, 255, 255), RGB(0, 0, 0), 25), 192, 192, 192);
}

TEST(ColorAdjustLuma, ZeroStepReturnsTheColourUnchanged) {
    EXPECT_EQ(CUtility::ColorAdjustLuma(RGB(12, 200, 77), 0, 1), RGB(12, 200, 77));
}

TEST(ColorAdjustLuma, ScaledStepsMoveTowardWhiteOrBlackKeepingTheHue) {
    // Red has luminance 120 of 240; half way to white is 180: a light red.
    EXPECT_RGB(ColorAdjustLuma(RGB(255, 0, 0), 500, 1), 255, 128, 128);
    EXPECT_EQ(ColorAdjustLuma(RGB(128, 128, 128), 1000, 1), RGB(255, 255, 255));
    EXPECT_EQ(ColorAdjustLuma(RGB(128, 128, 128), -1000, 1), RGB(0, 0, 0));
    EXPECT_EQ(ColorAdjustLuma(RGB(40, 90, 160), 5000, 1), RGB(255, 255, 255));
}

TEST(ColorAdjustLuma, LargerStepsGiveBrighterColours) {
    const COLORREF base = RGB(78, 108, 150);
    int previous = -1;
    for (int n = -800; n <= 800; n += 200) {
        const int brightness = CUtility::GetBrightness(ColorAdjustLuma(base, n, 1));
        EXPECT_GT(brightness, previous) << "step " << n;
        previous = brightness;
    }
}

TEST(ColorAdjustLuma, UnscaledStepAddsThousandthsOfTheRange) {
    // Grey 128 has luminance 120; 100 thousandths of 240 more is 144.
    EXPECT_EQ(ColorAdjustLuma(RGB(128, 128, 128), 100, 0), RGB(153, 153, 153));
}

} // namespace
