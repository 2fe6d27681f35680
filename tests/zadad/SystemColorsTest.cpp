// Texts the program draws on its own surfaces under the desktop's palette:
// the desktop's colours where they read, black or white where a dark theme's
// light text would vanish on a light texture.
#include "zadad/SystemColors.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <QPalette>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kLightTexture = RGB(236, 230, 205); // a note body
constexpr COLORREF kDarkTexture = RGB(52, 70, 110);    // a note title

// The application's palette for one test, the old one back after it.
class PaletteTest : public ::testing::Test {
protected:
    void TearDown() override { QApplication::setPalette(m_saved); }
    static void Use(QColor windowText, QColor highlightedText) {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::WindowText, windowText);
        palette.setColor(QPalette::Text, windowText);
        palette.setColor(QPalette::HighlightedText, highlightedText);
        QApplication::setPalette(palette);
    }
    static int Contrast(const QColor& text, COLORREF background) {
        return std::abs(CUtility::GetBrightness(RGB(text.red(), text.green(), text.blue())) -
                        CUtility::GetBrightness(background));
    }

private:
    QPalette m_saved = QApplication::palette();
};

TEST_F(PaletteTest, ADarkThemesLightTextGivesWayToBlackOnLightTextures) {
    Use(QColor(230, 230, 230), QColor(250, 250, 250));
    for (const COLORREF surface : {kLightTexture, RGB(245, 245, 255)}) {
        EXPECT_EQ(systemcolors::TextOn(surface), QColor(0, 0, 0));
        EXPECT_EQ(systemcolors::TextOn(surface, false), QColor(0, 0, 0));
        EXPECT_EQ(systemcolors::ReadableOn(QColor(230, 230, 230), surface), QColor(0, 0, 0));
    }
    // On a dark surface the theme's light text reads and stays.
    EXPECT_EQ(systemcolors::TextOn(kDarkTexture), QColor(250, 250, 250));
}

TEST_F(PaletteTest, TheDesktopsOwnColoursStayWhereTheyRead) {
    Use(QColor(20, 40, 120), QColor(255, 255, 200));
    EXPECT_EQ(systemcolors::TextOn(kLightTexture), QColor(20, 40, 120));
    EXPECT_EQ(systemcolors::TextOn(kDarkTexture), QColor(255, 255, 200));
    EXPECT_EQ(systemcolors::ReadableOn(QColor(0, 100, 0), kLightTexture), QColor(0, 100, 0));
}

TEST_F(PaletteTest, EveryChoiceReadsOnEverySurfaceUnderEitherTheme) {
    const COLORREF surfaces[] = {kLightTexture, kDarkTexture, RGB(128, 128, 128),
                                 RGB(255, 255, 255), RGB(0, 0, 0)};
    for (const bool darkTheme : {false, true}) {
        Use(darkTheme ? QColor(220, 220, 220) : QColor(0, 0, 0),
            darkTheme ? QColor(220, 220, 220) : QColor(255, 255, 255));
        for (const COLORREF surface : surfaces)
            for (const bool dark : {false, true})
                EXPECT_GE(Contrast(systemcolors::TextOn(surface, dark), surface),
                          CUtility::kReadableContrast)
                    << std::hex << surface << " dark theme " << darkTheme;
    }
}

} // namespace
