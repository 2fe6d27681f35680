// Printing the calendar: one page with the month's title centred at the top
// and the grid twice the title's height below it; print jobs into PDF files
// (read back with poppler-utils), the print dialog answered by the tests; a
// cancelled dialog and a job that cannot start.
#include "views/CalendarPrinter.h"
#include "store/CalendarData.h"
#include "store/MessageBox.h"
#include "store/OneTimeNote.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/PdfPages.h"
#include "tests/support/TestClock.h"
#include "tests/views/RecordingCalendarActions.h"
#include "views/CalendarPane.h"
#include "views/PrintDialog.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kInkGap = 3;

// The rows of the image that hold anything darker than light grey, within
// the columns of area.
std::vector<int> InkedRows(const QImage& page, const QRect& area) {
    std::vector<int> rows;
    for (int y = 0; y < page.height(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(page.pixel(x, y)) < 128) {
                rows.push_back(y);
                break;
            }
    return rows;
}

class CalendarPrinterTest : public ::testing::Test {
protected:
    ~CalendarPrinterTest() override { CPrintDialog::ClearAnswers(); }

    // The print dialog's answer: print into file (or cancel), noting what it offered.
    void AnswerDialog(const QString& file, bool print) {
        CPrintDialog::QueueAnswer([this, file, print](QPrintDialog& dialog) {
            m_offered = dialog.options();
            m_nMaxPage = dialog.maxPage();
            dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog.printer()->setOutputFileName(file);
            return print;
        });
    }

    CTestClock m_clock{COleDateTime(2026, 12, 8, 9, 30, 0)};
    CFakeMessageBox m_box;
    CCalendarData m_data;
    CRecordingCalendarActions m_actions{m_data};
    QTemporaryDir m_dir;
    QPrintDialog::PrintDialogOptions m_offered;
    int m_nMaxPage = 0;
};

TEST_F(CalendarPrinterTest, TheTitleIsCentredAtTheTopAndTheGridBelowIt) {
    for (const BOOL month : {1, 0}) {
        m_data.m_bMonthView = month;
        CalendarPane pane(m_data, m_actions);
        pane.resize(700, 500);
        QImage page(850, 1100, QImage::Format_RGB32);
        page.fill(Qt::white);
        const QRect area(80, 80, 690, 940);
        QPainter painter(&page);
        CCalendarPrinter::DrawPage(painter, area, pane);
        painter.end();
        const std::vector<int> rows = InkedRows(page, area);
        ASSERT_FALSE(rows.empty());
        EXPECT_GE(rows.front(), area.top()) << "nothing above the margin";
        // The title's ink: the first run of inked rows (a comma may leave a
        // row or two blank under the line); its middle column is the page's.
        std::size_t titleEnd = 0;
        while (titleEnd + 1 < rows.size() && rows[titleEnd + 1] <= rows[titleEnd] + kInkGap)
            ++titleEnd;
        int left = page.width(), right = 0;
        for (int y = rows.front(); y <= rows[titleEnd]; ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(page.pixel(x, y)) < 128)
                    left = std::min(left, x), right = std::max(right, x);
        EXPECT_NEAR((left + right) / 2, area.center().x(), 3) << month;
        // A gap of about a title's height, then the grid down to the area's bottom.
        const int titleHeight = rows[titleEnd] - rows.front() + 1;
        ASSERT_LT(titleEnd + 1, rows.size());
        EXPECT_GE(rows[titleEnd + 1] - rows[titleEnd], titleHeight / 2) << month;
        EXPECT_GE(rows.back(), area.bottom() - 3) << month;
        EXPECT_LE(rows.back(), area.bottom()) << month;
    }
}

// A printed month: one page in a job named "Orrindale", the month's title
// over the grid with the notes that fit in their days.
TEST_F(CalendarPrinterTest, PrintsTheMonthWithTheNotesThatFitIntoAPdfFile) {
    if (!PdfToolsPresent()) GTEST_SKIP() << "poppler-utils is not installed";
    m_data.m_bMonthView = 1;
    for (int i = 1; i <= 40; ++i) {
        const std::string title = "Errand " + std::to_string(100 + i);
        m_data.AddNote(
            std::make_unique<CNote>(kNoteMemo, title, "", COleDateTime(2026, 12, 17, 0, 0, 0), 0));
    }
    m_data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, "Dentist", "",
                                                  COleDateTime(2026, 12, 3, 14, 30, 0), 0, 0, 1));
    CalendarPane pane(m_data, m_actions);
    const QString file = m_dir.filePath("month.pdf");
    AnswerDialog(file, true);
    EXPECT_TRUE(CCalendarPrinter::Print(pane, nullptr));
    EXPECT_TRUE(m_box.m_shown.empty());
    // All pages, of which there is one: no range or selection; a PDF file
    // stays on offer for a desktop without a printer.
    EXPECT_EQ(m_offered & (QPrintDialog::PrintToFile | QPrintDialog::PrintSelection |
                           QPrintDialog::PrintPageRange | QPrintDialog::PrintCurrentPage),
              QPrintDialog::PrintToFile);
    EXPECT_EQ(m_nMaxPage, 1);
    EXPECT_EQ(PdfInfo(file, "Title"), "Orrindale");
    EXPECT_EQ(PdfInfo(file, "Pages"), "1");
    const std::string text = PdfText(file);
    const auto has = [&text](const std::string& what) {
        return text.find(what) != std::string::npos;
    };
    EXPECT_TRUE(has("December, 2026")) << text;
    EXPECT_TRUE(has("Wednesday")) << text;
    EXPECT_TRUE(has("2:30 PM Dentist")) << text;
    EXPECT_TRUE(has("Errand 101")) << text;
    EXPECT_FALSE(has("Errand 140")) << "a day prints only the notes that fit";
    EXPECT_LT(text.find("December, 2026"), text.find("Wednesday"));
}

TEST_F(CalendarPrinterTest, CancellingPrintsNothing) {
    CalendarPane pane(m_data, m_actions);
    const QString file = m_dir.filePath("cancelled.pdf");
    AnswerDialog(file, false);
    EXPECT_FALSE(CCalendarPrinter::Print(pane, nullptr));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(m_box.m_shown.empty());
}

TEST_F(CalendarPrinterTest, AJobThatCannotStartIsReportedNotTakenForPrinted) {
    CalendarPane pane(m_data, m_actions);
    AnswerDialog(m_dir.filePath("no such folder/month.pdf"), true);
    EXPECT_FALSE(CCalendarPrinter::Print(pane, nullptr));
    ASSERT_EQ(m_box.m_shown.size(), 1u);
    EXPECT_EQ(m_box.m_shown[0].caption, "Warning");
    EXPECT_EQ(m_box.m_shown[0].text, CCalendarPrinter::kFailureText);
    EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconWarning);
}

} // namespace
