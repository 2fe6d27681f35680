#include "agenda/AgendaPdf.h"

#include "views/CalendarActions.h"
#include "views/CalendarPane.h"
#include "views/CalendarPrinter.h"

#include <QApplication>
#include <QPrinter>

#include <cstdio>
#include <memory>

namespace {

QtMessageHandler g_qtMessages = nullptr;

// Qt's remarks on a session without a desktop (no runtime directory, no
// display) mean nothing here; only its errors reach the user.
void ErrorsOnly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg) return;
    if (g_qtMessages)
        g_qtMessages(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The application the pane needs, drawn off screen whatever the
// environment says: a PDF needs no display.
std::unique_ptr<QApplication> OffscreenApplication() {
    if (QApplication::instance()) return nullptr;
    g_qtMessages = qInstallMessageHandler(ErrorsOnly);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orrindale-agenda";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

bool PrintAgendaPdf(CCalendarData& data, const AgendaPeriod& period, const std::string& file,
                    std::string& error) {
    const std::unique_ptr<QApplication> app = OffscreenApplication();
    CNoCalendarActions actions;
    CalendarPane pane(data, actions);
    if (period.month)
        pane.SetDate(period.day.GetYear(), period.day.GetMonth(), false);
    else
        pane.SetDate(period.day, false);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file));
    if (CCalendarPrinter::PrintTo(printer, pane)) return true;
    error = "cannot write the PDF file " + file;
    return false;
}
