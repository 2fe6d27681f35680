// The calendar pane to look at (not a test): December 2026 as a month grid
// and one of its weeks as a week grid, side by side, filled with holidays,
// memos, one-time and recurring notes with and without reminder, a history
// copy, a day with more notes than fit (scrolled by one), the Moon's phases,
// today and a selected note, and the tip over a cut-off note. The clock
// stands still at 8 December 2026, 9:30. `orrindale_pane_gallery --save
// out.png` writes the window and the tip into one image instead of staying open.
#include "almanac/HolidayNote.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "views/CalendarActions.h"
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

// The gallery opens no editor and puts nothing on the desktop.
class CInertActions : public CCalendarActions {
public:
    bool EditNote(CNote*, const COleDateTime&, QWidget*) override { return false; }
    void ShowNotesAt(const std::vector<CNote*>&, const QPoint&) override {}
    void NotesChanged() override {}
    bool RunOptions(QWidget*) override { return false; }
    void OpenHelp() override {}
    void OpenHomePage() override {}
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

// Rests the mouse over the pane, point by point, until a cut-off note shows its tip.
QWidget* RestUntilTip(QWidget* pane) {
    for (int y = 0; y < pane->height(); y += 3) {
        for (int x = 0; x < pane->width(); x += 6) {
            QHelpEvent rest(QEvent::ToolTip, QPoint(x, y), pane->mapToGlobal(QPoint(x, y)));
            QApplication::sendEvent(pane, &rest);
            if (QWidget* tip = VisibleTip()) return tip;
        }
    }
    return nullptr;
}

// The centre of the month grid's cell of day (row, column).
QPoint MonthCell(const QWidget* pane, int row, int column, int rows, int rowTop) {
    const double width = pane->width() / 7.0;
    const double height = (pane->height() - rowTop) / static_cast<double>(rows);
    return QPoint(static_cast<int>((column + 0.5) * width),
                  rowTop + static_cast<int>((row + 0.5) * height));
}

QImage Compose(QWidget& window, QWidget* tip) {
    QImage image = window.grab().toImage();
    if (tip) {
        QPainter painter(&image);
        painter.drawPixmap(tip->geometry().topLeft() - window.geometry().topLeft(), tip->grab());
    }
    return image;
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
    CInertActions actions;

    QWidget window;
    window.setWindowTitle("Orrindale calendar pane");
    window.move(0, 0);
    auto* layout = new QHBoxLayout(&window);
    auto* monthPane = new CalendarPane(month, actions);
    auto* weekPane = new CalendarPane(week, actions);
    monthPane->setMinimumSize(760, 560);
    weekPane->setMinimumSize(560, 560);
    layout->addWidget(monthPane);
    layout->addWidget(weekPane);
    window.show();
    // December 2026 with Sunday weeks: the 17th is in row 2, column 4; the
    // 15th in column 2. The weekday row is about 25 pixels tall.
    const int rows = 5;
    Wheel(monthPane, MonthCell(monthPane, 2, 4, rows, 25));
    Click(monthPane, MonthCell(monthPane, 2, 2, rows, 25) + QPoint(0, -20));
    weekPane->GoToDate(COleDateTime(2026, 12, 17, 0, 0, 0));
    Click(weekPane, QPoint(weekPane->width() / 2, weekPane->height() / 2 + 60));
    QWidget* tip = RestUntilTip(monthPane);
    if (save.isEmpty()) return app.exec();
    QTimer::singleShot(300, [&] {
        Compose(window, tip).save(save);
        app.quit();
    });
    return app.exec();
}
