#include "views/CalendarPrint.h"

#include "res/StringTable.h"
#include "store/MessageBox.h"
#include "views/PrintDialog.h"
#include "zadad/QtTypes.h"
#include "zadad/Utility.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

constexpr int kMonthTitleFormat = 61244; // "%B, %Y"
constexpr float kMarginInches = 0.8f;
// The title's size in tenths of a point.
constexpr int kTitleTenths = 120;

// "Arial" of a size in tenths of a point, on the painter's device.
QFont PrintFont(QPainter& painter, int tenths) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, CUtility::GetPrintFontHeight(&painter, tenths) / 10));
    return font;
}

// All pages (there is one), no page range, no selection, no printing to a
// file; copies and collation are the printer's own business.
void OfferWhatThePagePrints(QPrintDialog& dialog) {
    dialog.setMinMax(1, 1); // before the options: it offers a page range
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
}

// A job that the printer would not start or finish is not a printed
// calendar: the user hears of it instead of looking for a page that never comes.
bool Failed() {
    CMessageBox::Current().Show(CCalendarPrint::kFailureText, kCaptionWarning,
                                CMessageBox::kIconWarning, CMessageBox::kButtonsOk);
    return false;
}

} // namespace

bool CCalendarPrint::Print(QWidget* parent, int year, int month, const GridDrawer& drawGrid) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    OfferWhatThePagePrints(dialog);
    if (!CPrintDialog::Exec(dialog)) return false;
    printer.setDocName(kJobName);
    QPainter painter;
    if (!painter.begin(&printer)) return Failed();
    DrawPage(painter, year, month, drawGrid);
    if (printer.printerState() == QPrinter::Error) {
        printer.abort();
        painter.end();
        return Failed();
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) return Failed();
    return true;
}

void CCalendarPrint::DrawPage(QPainter& painter, int year, int month, const GridDrawer& drawGrid) {
    const QString title = QString::fromStdString(
        COleDateTime(year, month, 1, 0, 0, 0).Format(LoadString(kMonthTitleFormat).c_str()));
    QRect area = ToQRect(CUtility::GetPrintArea(&painter, kMarginInches));
    painter.save();
    painter.setFont(PrintFont(painter, kTitleTenths));
    painter.setPen(Qt::black);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine;
    const QRect titleRect = painter.boundingRect(area, flags, title);
    painter.drawText(area, flags, title);
    painter.restore();
    area.setTop(area.top() + 2 * titleRect.height());
    if (area.height() > 0) drawGrid(painter, area);
}
