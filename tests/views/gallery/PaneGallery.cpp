// The calendar pane to look at (not a test): December 2026 as a month grid
// and one of its weeks as a week grid, side by side, filled with holidays,
// memos, one-time and recurring notes with and without reminder, a history
// copy, a day with more notes than fit (scrolled by one), the Moon's phases,
// today and a selected note, and the tip over a cut-off note. The clock
// stands still at 8 December 2026, 9:30. `orrindale_pane_gallery --save
// out.png` writes the window and the tip into one image instead of staying
// open, and the month as a printer draws it into out.png.print.png.
#include "almanac/HolidayNote.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "tests/views/RecordingCalendarActions.h"
#include "views/CalendarPane.h"
#include "zadad/Clock.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <memory>

namespace {

class CFixedClock : public CClock {
public:
    COleDateTime Now() const override { return COleDateTime(2026, 12, 8, 9, 30, 0); }
};

COleDateTime At(int day, int hour, int minute) {
    return COleDateTime(2026, 12, day, hour, minute, 0);
}

void AddSampleNotes(CCalendarData& data) {
    const auto memo = [&](const char* title, int day) {
        data.AddNote(std::make_unique<CNote>(kNoteMemo, title, "", At(day, 0, 0), 0));
    };
    const auto oneTime = [&](const char* title, int day, int hour, int minute) {
        data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, title, "", At(day, hour, minute),
                                                    0, 0, 1));
    };
    const auto weekly = [&](const char* title, int day, int hour, BOOL remind) {
        data.AddNote(std::make_unique<CRecurringNote>(title, "", At(day, hour, 0), 0, kRepeatWeek,
                                                      1, 0, 0, 1, 1, 1, remind));
    };
    const std::pair<const char*, int> holidays[] = {
        {"Christmas Eve", 24}, {"Christmas Day", 25}, {"New Year's Eve", 31}};
    for (const auto& [name, day] : holidays)
        data.m_noteManager.Add(std::make_unique<CHolidayNote>(name, "", 12, day, 1, 0, 0, 0, 0, 1));
    memo("Groceries: milk, bread, eggs", 3);
    memo("Library books due", 10);
    memo("Christmas shopping: presents for Anna, Tom and Grandma, wrapping paper, cards, "
         "candles and the tree from the market",
         22);
    oneTime("Dentist", 8, 14, 30);
    oneTime("Car service at the garage on Mill Road, bring the spare key", 15, 8, 0);
    weekly("Choir practice", 2, 19, 1);
    weekly("Water the plants", 5, 0, 0);
    // A busy day: more than a cell can hold.
    oneTime("Team meeting", 17, 9, 0);
    oneTime("Lunch with Anna", 17, 12, 30);
    oneTime("Pick up the parcel", 17, 15, 0);
    oneTime("Call the plumber", 17, 16, 15);
    oneTime("Parents' evening at school", 17, 18, 0);
    oneTime("Book the train tickets", 17, 20, 0);
    memo("Send the cards", 17);
    CNote* done = data.AddNote(
        std::make_unique<COneTimeNote>(kNoteOneTime, "Flu jab", "", At(1, 10, 0), 0, 0, 1));
    data.Clone(*done, 1)->m_dtStart = At(1, 10, 0);
    data.DeleteNote(static_cast<WORD>(done->m_nID));
}

void Click(QWidget* widget, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, {},
                        {});
    QApplication::sendEvent(widget, &release);
}

void Wheel(QWidget* widget, QPoint at) {
    QWheelEvent wheel(at, widget->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

QWidget* VisibleTip() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowTitle() == "HLTipWnd" && widget->isVisible()) return widget;
    return nullptr;
}

// Rests the mouse on the last note the cell of day shows, a note it cuts off.
QWidget* RestOnCutOffNote(CalendarPane* pane, const COleDateTime& day) {
    int last = 0;
    while (!pane->NoteItemRect(day, last + 1).isEmpty())
        ++last;
    const QPoint at = pane->NoteItemRect(day, last).center();
    QHelpEvent rest(QEvent::ToolTip, at, pane->mapToGlobal(at));
    QApplication::sendEvent(pane, &rest);
    return VisibleTip();
}

QImage Compose(QWidget& window, QWidget* tip) {
    QImage image = window.grab().toImage();
    if (tip) {
        QPainter painter(&image);
        painter.drawPixmap(tip->geometry().topLeft() - window.geometry().topLeft(), tip->grab());
    }
    return image;
}

// The month grid as the printer draws it, on an A4 page in landscape at 150 dots an inch.
QImage PrintedPage(CalendarPane& pane) {
    constexpr int kDotsPerInch = 150;
    QImage page(1754, 1240, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(kDotsPerInch / 0.0254));
    page.setDotsPerMeterY(qRound(kDotsPerInch / 0.0254));
    page.fill(Qt::white);
    QPainter painter(&page);
    const int margin = kDotsPerInch * 8 / 10;
    pane.DrawGrid(painter, page.rect().adjusted(margin, 2 * margin, -margin, -margin), true);
    return page;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString save = argc == 3 && QString(argv[1]) == "--save" ? argv[2] : QString();
    CFixedClock clock;
    CClock::Install(&clock);
    g_crNoteTitleDefault = CUtility::GetTextureColor(nullptr, "", 153);
    g_crNoteBackDefault = ColorAdjustLuma(CUtility::GetTextureColor(nullptr, "", 152), 400, 1);

    CCalendarData month;
    CCalendarData week;
    for (CCalendarData* data : {&month, &week})
        AddSampleNotes(*data);
    month.m_bMonthView = 1;
    week.m_bMonthView = 0;
    // Nothing here opens an editor or drops a note; what is asked is only recorded.
    CRecordingCalendarActions monthActions(month);
    CRecordingCalendarActions weekActions(week);

    QWidget window;
    window.setWindowTitle("Orrindale calendar pane");
    window.move(0, 0);
    auto* layout = new QHBoxLayout(&window);
    auto* monthPane = new CalendarPane(month, monthActions);
    auto* weekPane = new CalendarPane(week, weekActions);
    monthPane->setMinimumSize(760, 560);
    weekPane->setMinimumSize(560, 560);
    layout->addWidget(monthPane);
    layout->addWidget(weekPane);
    window.show();
    // A busy day scrolled by one, a note selected, and in the week a day selected.
    Wheel(monthPane, monthPane->DayCellRect(At(17, 0, 0)).center());
    Click(monthPane, monthPane->NoteItemRect(At(15, 0, 0), 0).center());
    weekPane->GoToDate(At(17, 0, 0));
    Click(weekPane, weekPane->DayCellRect(At(18, 0, 0)).center());
    QWidget* tip = RestOnCutOffNote(monthPane, At(22, 0, 0));
    if (save.isEmpty()) return app.exec();
    QTimer::singleShot(300, [&] {
        Compose(window, tip).save(save);
        PrintedPage(*monthPane).save(save + ".print.png");
        app.quit();
    });
    return app.exec();
}
