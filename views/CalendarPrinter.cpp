#include "views/CalendarPrinter.h"

#include "views/CalendarPane.h"
#include "views/MonthChoice.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

constexpr const char* kJobName = "Orrindale";

QRect PrintArea(const QPrinter& printer) {
    const int marginX = static_cast<int>(printer.resolution() * CCalendarPrinter::kMarginInches);
    const int marginY = marginX;
    return printer.paperRect(QPrinter::DevicePixel)
        .toRect()
        .adjusted(marginX, marginY, -marginX, -marginY);
}

} // namespace

bool CCalendarPrinter::Print(CalendarPane& pane, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    // One page of what is shown: no page numbers, no selection, no file.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted) return false;
    return PrintTo(printer, pane);
}

bool CCalendarPrinter::PrintTo(QPrinter& printer, CalendarPane& pane) {
    printer.setDocName(QString::fromLatin1(kJobName));
    printer.setFullPage(true);
    printer.setFromTo(1, 1);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    DrawPage(painter, PrintArea(printer), pane);
    return painter.end();
}

void CCalendarPrinter::DrawPage(QPainter& painter, const QRect& area, CalendarPane& pane) {
    const QString title = QString::fromStdString(MonthTitle(pane.ShownYear(), pane.ShownMonth()));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(kTitleTenths / 10.0);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect titleRect = painter.boundingRect(area, Qt::AlignHCenter | Qt::AlignTop, title);
    painter.drawText(titleRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, title);
    painter.restore();
    // The grid starts twice the title's height below the area's top.
    pane.DrawGrid(painter, area.adjusted(0, 2 * titleRect.height(), 0, 0), true);
}
