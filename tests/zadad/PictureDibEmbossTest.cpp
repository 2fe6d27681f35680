// Pictures from files and built-in resources, 32-bit bitmaps, and the emboss.
#include "DrawingTestSupport.h"
#include "zadad/Dib.h"
#include "zadad/Picture.h"
#include "zadad/Utility.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

QImage Sample() {
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixel(0, 3, qRgb(200, 100, 50)); // bottom left
    return image;
}

class PictureFiles : public ::testing::TestWithParam<const char*> {};

TEST_P(PictureFiles, LoadsEachFormatByItsContent) {
    QTemporaryDir dir;
    // Saved under a misleading name: the picture is told by its bytes.
    const QString file = dir.filePath("texture.dat");
    ASSERT_TRUE(Sample().save(file, GetParam()));
    CPicture picture;
    EXPECT_TRUE(picture.Load(file.toStdString()));
    EXPECT_TRUE(picture.m_bLoaded);
    EXPECT_EQ(picture.Width(), 6);
    EXPECT_EQ(picture.Height(), 4);
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureFiles, ::testing::Values("BMP", "JPEG", "PNG"));

// A large picture is read scaled down, in its proportions; a small one whole.
struct LargePicture {
    const char* format;
    QSize file;
    QSize kept;
};

class LargePictures : public ::testing::TestWithParam<LargePicture> {};

TEST_P(LargePictures, AreReadScaledDownToATile) {
    const LargePicture& c = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath("photo");
    QImage image(c.file, QImage::Format_RGB32);
    image.fill(QColor(200, 60, 30));
    ASSERT_TRUE(image.save(file, c.format));
    image = QImage(); // the test's own copy need not sit in memory meanwhile
    const int limitBefore = QImageReader::allocationLimit();

    CPicture picture;
    ASSERT_TRUE(picture.Load(file.toStdString()));
    EXPECT_EQ(QSize(picture.Width(), picture.Height()), c.kept);
    const QColor middle = picture.Image()->pixelColor(c.kept.width() / 2, c.kept.height() / 2);
    EXPECT_NEAR(middle.red(), 200, 8);
    EXPECT_NEAR(middle.green(), 60, 8);
    EXPECT_EQ(QImageReader::allocationLimit(), limitBefore);
}

constexpr int kSide = CPicture::kMaxSide;
INSTANTIATE_TEST_SUITE_P(Sizes, LargePictures,
                         ::testing::Values(
                             // A photograph larger than the image reader takes at its full size.
                             LargePicture{"JPEG", {6000, 6000}, {kSide, kSide}},
                             LargePicture{"BMP", {3 * kSide, 3 * kSide / 2}, {kSide, kSide / 2}},
                             LargePicture{"PNG", {kSide, kSide / 3}, {kSide, kSide / 3}}));

TEST(Picture, AMissingFileIsNotLoadedAndDrawsNothing) {
    CPicture picture;
    EXPECT_FALSE(picture.Load(std::string("/no/such/picture.jpg")));
    EXPECT_FALSE(picture.m_bLoaded);
    EXPECT_FALSE(picture.IsValid());
    EXPECT_EQ(picture.Width(), 0);
    QImage image = Canvas(4, 4);
    QPainter painter(&image);
    picture.Render(&painter, RECT{0, 0, 4, 4});
    EXPECT_EQ(image, Canvas(4, 4));
}

TEST(Picture, DataThatIsNoPictureCountsAsTriedButGivesNone) {
    QTemporaryDir dir;
    QFile file(dir.filePath("broken.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is not a bitmap at all");
    file.close();
    CPicture picture;
    EXPECT_FALSE(picture.Load(file.fileName().toStdString()));
    EXPECT_TRUE(picture.m_bLoaded);
    EXPECT_FALSE(picture.IsValid());
}

TEST(Picture, ALoadReplacesThePictureBefore) {
    CPicture picture;
    ASSERT_TRUE(picture.Load(9101u));
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_FALSE(picture.Load(8999u));
    EXPECT_FALSE(picture.IsValid());
}

TEST(Picture, RendersStretchedIntoTheRectangle) {
    CPicture picture;
    ASSERT_TRUE(picture.Load(9101u));
    QImage image = Canvas(10, 10);
    QPainter painter(&image);
    picture.Render(&painter, RECT{2, 2, 10, 6}); // 4 x 2 doubled
    EXPECT_EQ(PixelAt(image, 2, 2), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 3, 3), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 4, 2), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(image, 1, 1), RGB(255, 255, 255));
}

TEST(Dib, StoresRowsBottomUpAsRRGGBBWords) {
    CDib dib;
    ASSERT_TRUE(dib.Fill(Sample()));
    EXPECT_EQ(dib.Width(), 6);
    EXPECT_EQ(dib.Height(), 4);
    EXPECT_EQ(dib.Pixel(0, 0), 0x00C86432u); // the image's bottom left pixel
    EXPECT_EQ(dib.Pixel(0, 3), 0x000A141Eu);
}

TEST(Dib, DrawsBackTheImageItWasFilledFrom) {
    CDib dib;
    ASSERT_TRUE(dib.Fill(Sample()));
    QImage image = Canvas(6, 4);
    QPainter painter(&image);
    dib.Draw(&painter, 0, 0);
    painter.end();
    EXPECT_EQ(image, Sample());
}

TEST(Dib, RefusesSizesItCannotHold) {
    CDib dib;
    EXPECT_FALSE(dib.Create(0, 10));
    EXPECT_FALSE(dib.Create(-1, 10));
    EXPECT_FALSE(dib.Create(100000, 100000));
    EXPECT_EQ(dib.Width(), 0);
    EXPECT_EQ(dib.Height(), 0);
    EXPECT_TRUE(dib.Create(3, 2));
    EXPECT_EQ(dib.Pixel(2, 1), 0u);
}

TEST(Emboss, WhiteIsHighAndEverythingElseFlat) {
    EXPECT_EQ(CUtility::GetWhiteValue(0x00FFFFFF), 255);
    EXPECT_EQ(CUtility::GetWhiteValue(0x00FFFFFE), 0);
    EXPECT_EQ(CUtility::GetWhiteValue(0), 0);
}

// A step up from black (left) to white (right) at column 4.
CDib StepHeights() {
    QImage step(8, 5, QImage::Format_RGB32);
    step.fill(Qt::black);
    for (int y = 0; y < 5; ++y)
        for (int x = 4; x < 8; ++x)
            step.setPixel(x, y, qRgb(255, 255, 255));
    CDib dib;
    dib.Fill(step);
    return dib;
}

CDib Surface(QColor colour) {
    QImage image(8, 5, QImage::Format_RGB32);
    image.fill(colour);
    CDib dib;
    dib.Fill(image);
    return dib;
}

TEST(Emboss, ShadesTheEdgeByTheLightAndLeavesFlatPartsAlone) {
    const CDib heights = StepHeights();
    CDib screen = Surface(QColor(10, 20, 30));
    CUtility::Emboss(heights, screen, 0);
    // Normal (-765, 0, 510) against the light from azimuth 45 degrees and
    // elevation 135 degrees: a shade of 206.
    EXPECT_NEAR(static_cast<int>(screen.Pixel(4, 2) & 0xFF), 206, 1);
    EXPECT_EQ(screen.Pixel(4, 2) >> 8 & 0xFF, screen.Pixel(4, 2) & 0xFF);
    EXPECT_EQ(screen.Pixel(1, 2), 0x000A141Eu);
    EXPECT_EQ(screen.Pixel(6, 2), 0x000A141Eu);
    EXPECT_EQ(screen.Pixel(4, 0), 0x000A141Eu); // the border row carries no result
}

TEST(Emboss, WithTheFlagScalesTheSurfaceColour) {
    const CDib heights = StepHeights();
    CDib screen = Surface(QColor(200, 100, 50));
    CUtility::Emboss(heights, screen, 1);
    const DWORD edge = screen.Pixel(3, 2);
    EXPECT_LT(edge >> 16 & 0xFF, 200u);
    EXPECT_EQ(screen.Pixel(1, 2), 0x00C86432u);
}

TEST(Emboss, DrawsOneSmallerThanAskedOnePixelIn) {
    QImage image = Canvas(12, 12, QColor(90, 90, 90));
    QPainter painter(&image);
    CUtility::DrawEmbossBmp(9005, &painter, 0, 0, 8, 8, 0);
    painter.end();
    EXPECT_EQ(PixelAt(image, 0, 0), RGB(90, 90, 90));
    EXPECT_EQ(PixelAt(image, 3, 3), RGB(90, 90, 90)); // inside the raised square: flat
    EXPECT_NE(PixelAt(image, 2, 3), RGB(90, 90, 90)); // its edge
    EXPECT_EQ(PixelAt(image, 10, 10), RGB(90, 90, 90));
}

TEST(Emboss, TooSmallOrMissingDrawsNothing) {
    QImage image = Canvas(6, 6);
    QPainter painter(&image);
    CUtility::DrawEmbossBmp(9005, &painter, 0, 0, 2, 2, 0);
    CUtility::DrawEmbossBmp(8999, &painter, 0, 0, 6, 6, 0);
    painter.end();
    EXPECT_EQ(image, Canvas(6, 6));
}

} // namespace
