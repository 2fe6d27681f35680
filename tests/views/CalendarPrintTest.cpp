// Printing the calendar into PDF files, the print dialog answered by the
// tests: what the dialog offers, the one page with its title over the grid,
// a cancelled dialog, and a job that cannot start.
#include "views/CalendarPrint.h"
#include "store/MessageBox.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/PdfPages.h"
#include "views/PrintDialog.h"

#include <QFile>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CalendarPrintTest : public ::testing::Test {
protected:
    ~CalendarPrintTest() override { CPrintDialog::ClearAnswers(); }

    // The dialog's answer: print into file (or cancel), noting what it offered.
    void Answer(const QString& file, bool print) {
        CPrintDialog::QueueAnswer([this, file, print](QPrintDialog& dialog) {
            m_offered = dialog.options();
            m_nMaxPage = dialog.maxPage();
            dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog.printer()->setOutputFileName(file);
            return print;
        });
    }
    // A grid that fills its rectangle grey and names itself in it.
    CCalendarPrint::GridDrawer Grid() {
        return [this](QPainter& painter, const QRect& rect) {
            m_grid = rect;
            painter.fillRect(rect, QColor(200, 200, 200));
            painter.drawText(rect, Qt::AlignCenter, "The grid goes here");
        };
    }

    QTemporaryDir m_dir;
    CFakeMessageBox m_box;
    QPrintDialog::PrintDialogOptions m_offered;
    int m_nMaxPage = 0;
    QRect m_grid;
};

TEST_F(CalendarPrintTest, PrintsOnePageNamedOrrindaleWithTheMonthOverTheGrid) {
    if (!PdfToolsPresent()) GTEST_SKIP() << "poppler-utils is not installed";
    const QString file = m_dir.filePath("month.pdf");
    Answer(file, true);
    EXPECT_TRUE(CCalendarPrint::Print(nullptr, 2026, 12, Grid()));
    EXPECT_TRUE(m_box.m_shown.empty());
    // All pages, of which there is one; no range, selection or file box.
    EXPECT_EQ(m_offered & (QPrintDialog::PrintToFile | QPrintDialog::PrintSelection |
                           QPrintDialog::PrintPageRange | QPrintDialog::PrintCurrentPage),
              QPrintDialog::PrintDialogOptions());
    EXPECT_EQ(m_nMaxPage, 1);
    EXPECT_EQ(PdfInfo(file, "Title"), "Orrindale");
    EXPECT_EQ(PdfInfo(file, "Pages"), "1");
    const std::string text = PdfText(file);
    EXPECT_NE(text.find("December, 2026"), std::string::npos) << text;
    EXPECT_NE(text.find("The grid goes here"), std::string::npos) << text;
    EXPECT_LT(text.find("December, 2026"), text.find("The grid goes here"));

    // On the page: the title centred 0.8 inch below the paper's top edge,
    // the grid from the side margins down to the bottom margin, below the title.
    const int dpi = 50;
    const QImage page = PdfPageImage(file, dpi);
    ASSERT_FALSE(page.isNull());
    const int margin = static_cast<int>(0.8 * dpi);
    const int gray = qGray(QColor(200, 200, 200).rgb());
    int gridTop = 0;
    while (gridTop < page.height() && qGray(page.pixel(margin + 2, gridTop)) != gray)
        ++gridTop;
    int titleTop = -1, titleBottom = -1, titleLeft = page.width(), titleRight = -1;
    for (int y = 0; y < gridTop; ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) >= 128) continue;
            if (titleTop < 0) titleTop = y;
            titleBottom = y;
            titleLeft = std::min(titleLeft, x);
            titleRight = std::max(titleRight, x);
        }
    }
    ASSERT_GE(titleTop, 0);
    EXPECT_NEAR(titleTop, margin, 4);
    EXPECT_NEAR((titleLeft + titleRight) / 2.0, page.width() / 2.0, 2);
    EXPECT_GT(gridTop, titleBottom + (titleBottom - titleTop) / 2);
    EXPECT_EQ(qGray(page.pixel(margin + 2, page.height() - margin - 2)), gray);
    EXPECT_EQ(qGray(page.pixel(margin - 2, page.height() - margin - 2)), 255);
    EXPECT_EQ(qGray(page.pixel(page.width() - margin + 2, page.height() / 2)), 255);
}

TEST_F(CalendarPrintTest, CancellingPrintsNothing) {
    const QString file = m_dir.filePath("cancelled.pdf");
    Answer(file, false);
    EXPECT_FALSE(CCalendarPrint::Print(nullptr, 2026, 12, Grid()));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(m_grid.isNull());
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(CalendarPrintTest, AJobThatCannotStartIsReportedNotTakenForPrinted) {
    Answer(m_dir.filePath("no such folder/month.pdf"), true);
    EXPECT_FALSE(CCalendarPrint::Print(nullptr, 2026, 12, Grid()));
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].caption, "Warning");
    EXPECT_EQ(m_box.m_shown[0].text, CCalendarPrint::kFailureText);
    EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconWarning);
}

} // namespace
