// Font heights and the page area a margin leaves, on PDF printers of several
// resolutions and margins and on a scaled painter.
#include "tests/support/PdfPages.h"
#include "zadad/Utility.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr double kMmPerInch = 25.4;

// A PDF printer writing into a temporary folder.
class PdfPrinter {
public:
    PdfPrinter(int dpi, double marginMm, bool fullPage) : m_printer(QPrinter::HighResolution) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(File());
        m_printer.setResolution(dpi);
        m_printer.setPageSize(QPageSize(QPageSize::A4));
        m_printer.setPageOrientation(QPageLayout::Portrait);
        m_printer.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm),
                                 QPageLayout::Millimeter);
        m_printer.setFullPage(fullPage);
    }
    QPrinter& Printer() { return m_printer; }
    QString File() const { return m_dir.filePath("page.pdf"); }

private:
    QTemporaryDir m_dir;
    QPrinter m_printer;
};

TEST(GetPrintFontHeight, ConvertsPointsAtTheDeviceResolutionIntoLogicalUnits) {
    struct {
        int dpi;
        int points;
        double scale; // the painter's own magnification
        int height;
    } const cases[] = {
        {300, 120, 1.0, 500},                        // 120 x 300 / 72
        {600, 7, 1.0, 58},                           // 58.3, truncated
        {1200, 90, 1.0, 1500}, {300, 120, 2.0, 250}, // two device pixels to a logical unit
        {300, 120, 0.5, 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, " << c.points << " pt, x" << c.scale);
        PdfPrinter pdf(c.dpi, 10, false);
        QPainter painter;
        ASSERT_TRUE(painter.begin(&pdf.Printer()));
        painter.scale(c.scale, c.scale);
        EXPECT_EQ(CUtility::GetPrintFontHeight(&painter, c.points), c.height);
        painter.end();
    }
}

TEST(GetPrintArea, LiesTheMarginInsideThePaperCountedFromThePrintableCorner) {
    struct {
        int dpi;
        double marginMm; // the printer's unprintable margin
        bool fullPage;
        float inches;
    } const cases[] = {
        {300, 10.0, false, 0.8f},  {600, 5.0, false, 0.8f}, {300, 0.0, false, 0.8f},
        {300, 10.0, true, 0.8f}, // a full-page printer draws from the paper's corner
        {1200, 12.7, false, 0.5f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, " << c.marginMm << " mm, full page "
                                        << c.fullPage << ", " << c.inches << " in");
        PdfPrinter pdf(c.dpi, c.marginMm, c.fullPage);
        QPainter painter;
        ASSERT_TRUE(painter.begin(&pdf.Printer()));
        const RECT area = CUtility::GetPrintArea(&painter, c.inches);
        painter.end();
        // The paper, and where the printer says its printable area begins.
        const QRectF paper = pdf.Printer().paperRect(QPrinter::DevicePixel);
        EXPECT_NEAR(paper.width(), 210.0 * c.dpi / kMmPerInch, c.dpi / 72.0);
        const QPointF corner = pdf.Printer().pageRect(QPrinter::DevicePixel).topLeft();
        EXPECT_NEAR(corner.x(), c.fullPage ? 0.0 : c.marginMm * c.dpi / kMmPerInch, 2.0);
        const double margin = c.inches * c.dpi;
        EXPECT_NEAR(area.left, margin - corner.x(), 1.0);
        EXPECT_NEAR(area.top, margin - corner.y(), 1.0);
        EXPECT_NEAR(area.right, paper.width() - margin - corner.x(), 1.0);
        EXPECT_NEAR(area.bottom, paper.height() - margin - corner.y(), 1.0);
    }
}

// The area filled on paper starts 0.8 inch from the paper's edges.
TEST(GetPrintArea, FilledOnPaperStartsTheMarginFromTheEdges) {
    if (!PdfToolsPresent()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    PdfPrinter pdf(600, 10, false);
    QPainter painter;
    ASSERT_TRUE(painter.begin(&pdf.Printer()));
    const RECT area = CUtility::GetPrintArea(&painter, 0.8f);
    painter.fillRect(QRect(area.left, area.top, area.Width(), area.Height()), Qt::black);
    ASSERT_TRUE(painter.end());
    const int dpi = 50;
    const QImage page = PdfPageImage(pdf.File(), dpi);
    ASSERT_FALSE(page.isNull());
    const auto dark = [&page](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    const int margin = static_cast<int>(0.8 * dpi); // 40 pixels
    const int midX = page.width() / 2;
    const int midY = page.height() / 2;
    EXPECT_FALSE(dark(margin - 2, midY));
    EXPECT_TRUE(dark(margin + 1, midY));
    EXPECT_TRUE(dark(page.width() - margin - 2, midY));
    EXPECT_FALSE(dark(page.width() - margin + 1, midY));
    EXPECT_FALSE(dark(midX, margin - 2));
    EXPECT_TRUE(dark(midX, margin + 1));
    EXPECT_TRUE(dark(midX, page.height() - margin - 2));
    EXPECT_FALSE(dark(midX, page.height() - margin + 1));
}

} // namespace
