// Sampling what was drawn: brightness and average colour of a strip, and the
// representative colour of a texture.
#include "DrawingTestSupport.h"
#include "zadad/Utility.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(Sampling, ReadsTheRowBelowTheTopEdge) {
    QImage image = Canvas(100, 4, Qt::blue);
    QPainter painter(&image);
    painter.fillRect(0, 1, 100, 1, Qt::red);
    EXPECT_EQ(CUtility::GetBmpColor(&painter, RECT{0, 0, 100, 4}), RGB(255, 0, 0));
    EXPECT_EQ(CUtility::GetBrightness(&painter, RECT{0, 0, 100, 4}), 76); // 30 x 255 / 100
}

TEST(Sampling, ReadsAtMostSixtyPixels) {
    QImage image = Canvas(200, 3, Qt::blue);
    QPainter painter(&image);
    painter.fillRect(10, 0, 60, 3, Qt::red);
    EXPECT_EQ(CUtility::GetBmpColor(&painter, RECT{10, 0, 200, 3}), RGB(255, 0, 0));
}

TEST(Sampling, AveragesEachChannel) {
    QImage image = Canvas(20, 3, Qt::blue);
    QPainter painter(&image);
    painter.fillRect(0, 0, 10, 3, Qt::red);
    EXPECT_EQ(CUtility::GetBmpColor(&painter, RECT{0, 0, 20, 3}), RGB(127, 0, 127));
    EXPECT_EQ(CUtility::GetBrightness(&painter, RECT{0, 0, 20, 3}),
              (30 * 2550 + 11 * 2550) / 20 / 100);
}

TEST(Sampling, ARectangleThatReadsNoPixelGivesZero) {
    QImage image = Canvas(20, 3, Qt::white);
    QPainter painter(&image);
    EXPECT_EQ(CUtility::GetBmpColor(&painter, RECT{10, 0, 10, 3}), RGB(0, 0, 0));
    EXPECT_EQ(CUtility::GetBrightness(&painter, RECT{15, 0, 5, 3}), 0);
    EXPECT_EQ(CUtility::GetBrightness(&painter, RECT{0, 50, 20, 60}), 0); // off the image
    EXPECT_EQ(CUtility::GetBrightness(nullptr, RECT{0, 0, 20, 3}), 0);
}

TEST(Sampling, CountsOnlyThePixelsOnTheImage) {
    QImage image = Canvas(30, 3, Qt::white);
    QPainter painter(&image);
    EXPECT_EQ(CUtility::GetBmpColor(&painter, RECT{-20, 0, 40, 3}), RGB(255, 255, 255));
}

TEST(TextureColor, AveragesTheTiledBuiltInPicture) {
    // The 4 x 2 test texture's second row alternates blue and red.
    EXPECT_EQ(CUtility::GetTextureColor(nullptr, "", 9101), RGB(127, 0, 127));
}

TEST(TextureColor, PrefersTheNamedFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("green.bmp");
    QImage green(7, 5, QImage::Format_RGB32);
    green.fill(QColor(0, 200, 0));
    ASSERT_TRUE(green.save(file, "BMP"));
    EXPECT_EQ(CUtility::GetTextureColor(nullptr, file.toStdString(), 9101), RGB(0, 200, 0));
}

TEST(TextureColor, ATextureThatCannotBeLoadedGivesBlack) {
    EXPECT_EQ(CUtility::GetTextureColor(nullptr, "/no/such/texture.jpg", 9101), RGB(0, 0, 0));
    EXPECT_EQ(CUtility::GetTextureColor(nullptr, "", 8999), RGB(0, 0, 0));
}

} // namespace
