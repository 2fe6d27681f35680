#include "views/CalendarPrinter.h"

#include "store/MessageBox.h"
#include "views/CalendarPane.h"
#include "views/MonthChoice.h"
#include "views/PrintDialog.h"
#include "zadad/QtTypes.h"
#include "zadad/Utility.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace {

// All pages (there is one), no page numbers, no selection; copies and
// collation are the printer driver's. Printing to a PDF file stays on offer:
// on a desktop without a printer it is how a calendar reaches paper.
void OfferOnePage(QPrintDialog& dialog) {
    dialog.setMinMax(1, 1); // first: it offers a page range by itself
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
}

bool Failed() {
    CMessageBox::Current().Show(CCalendarPrinter::kFailureText, kCaptionWarning,
                                CMessageBox::kIconWarning, CMessageBox::kButtonsOk);
    return false;
}

// "Arial" of a size in tenths of a point on the painter's device: the
// printer's height of that many points is then in tenths of a pixel.
QFont PrintFont(QPainter& painter, int tenths) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, CUtility::GetPrintFontHeight(&painter, tenths) / 10));
    return font;
}

} // namespace

bool CCalendarPrinter::Print(CalendarPane& pane, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    OfferOnePage(dialog);
    if (!CPrintDialog::Exec(dialog)) return false;
    return PrintTo(printer, pane);
}

bool CCalendarPrinter::PrintTo(QPrinter& printer, CalendarPane& pane) {
    printer.setDocName(QString::fromLatin1(kJobName));
    printer.setFromTo(1, 1);
    QPainter painter;
    if (!painter.begin(&printer)) return Failed();
    DrawPage(painter, ToQRect(CUtility::GetPrintArea(&painter, kMarginInches)), pane);
    if (printer.printerState() == QPrinter::Error) {
        printer.abort();
        painter.end();
        return Failed();
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) return Failed();
    return true;
}

void CCalendarPrinter::DrawPage(QPainter& painter, const QRect& area, CalendarPane& pane) {
    const QString title = QString::fromStdString(MonthTitle(pane.ShownYear(), pane.ShownMonth()));
    painter.save();
    painter.setFont(PrintFont(painter, kTitleTenths));
    painter.setPen(Qt::black);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine;
    const QRect titleRect = painter.boundingRect(area, flags, title);
    painter.drawText(titleRect, flags, title);
    painter.restore();
    // The grid starts twice the title's height below the area's top.
    const QRect grid = area.adjusted(0, 2 * titleRect.height(), 0, 0);
    if (grid.height() > 0) pane.DrawGrid(painter, grid, true);
}
