// Printing the calendar: one page with the month's title centred at the top
// and the grid twice the title's height below it, and a real print job.
#include "views/CalendarPrinter.h"
#include "store/CalendarData.h"
#include "tests/support/TestClock.h"
#include "tests/views/RecordingCalendarActions.h"
#include "views/CalendarPane.h"

#include <QFile>
#include <QImage>
#include <QPainter>
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
    CTestClock m_clock{COleDateTime(2026, 12, 8, 9, 30, 0)};
    CCalendarData m_data;
    CRecordingCalendarActions m_actions{m_data};
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

TEST_F(CalendarPrinterTest, PrintsOnePageToAPrinter) {
    CalendarPane pane(m_data, m_actions);
    pane.resize(700, 500);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("calendar.pdf"));
    ASSERT_TRUE(CCalendarPrinter::PrintTo(printer, pane));
    EXPECT_EQ(printer.docName(), "Orrindale");
    QFile pdf(dir.filePath("calendar.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
}

} // namespace
