// Note windows to look at (not a test): desktop notes unrolled and rolled
// up, with and without their countdown line, and a ringing alarm window, on a
// clock that stands still. Run it under a display and take a screenshot.
#include "reminders/AlarmScheduler.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/NoteWnd.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "zadad/Clock.h"
#include "zadad/Utility.h"

#include <QApplication>

#include <memory>

namespace {

class CFixedClock : public CClock {
public:
    COleDateTime Now() const override { return COleDateTime(2026, 12, 8, 9, 30, 0); }
};

RECT Rect(int left, int top, int width, int height) {
    RECT rect;
    rect.left = left;
    rect.top = top;
    rect.right = left + width;
    rect.bottom = top + height;
    return rect;
}

// A note that opens at the given place on the desktop.
CNote* Place(CNote* note, const RECT& rect, bool countdown) {
    note->m_rcWindow = rect;
    note->m_rcWindowAlt = rect;
    note->m_bHasWindowRect = 1;
    note->m_bShowCountdown = countdown;
    return note;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CFixedClock clock;
    CClock::Install(&clock);
    const COleDateTime now = clock.Now();

    CCalendarData data;
    CAlarmScheduler scheduler(data);
    CNoteWindowManager windows(data, scheduler);
    scheduler.SetWindows(&windows);

    const auto oneTime = [&](const char* title, const char* text, const COleDateTime& when) {
        return data.AddNote(
            std::make_unique<COneTimeNote>(kNoteOneTime, title, text, when, 0, 0, 1));
    };
    const auto memo = [&](const char* title, const char* text) {
        return data.AddNote(std::make_unique<CNote>(kNoteMemo, title, text, now, 0));
    };

    CNote* dentist = oneTime("Dentist", "Bring the insurance card.\nhttps://example.org/dentist",
                             now + COleDateTimeSpan(2, 5, 7, 9));
    CNote* groceries = memo("Groceries", "Milk, bread, eggs\nand something for Sunday");
    CNote* rent = data.AddNote(std::make_unique<CRecurringNote>(
        "Rent", "", now + COleDateTimeSpan(0, 3, 0, 0), 0, kRepeatMonth, 1, 0, 0, 1, 1, 1, 1));
    CNote* call = memo("Call Mum", "");
    CNote* ringing = oneTime("Pick up the children", "School ends early today.\nGate B.", now);

    windows.ShowOnDesktop(*Place(dentist, Rect(40, 40, 280, 190), true));
    windows.ShowOnDesktop(*Place(groceries, Rect(40, 260, 240, 170), false));
    windows.ShowOnDesktop(*Place(rent, Rect(40, 460, 260, 100), true));
    windows.ShowOnDesktop(*Place(call, Rect(40, 540, 220, 100), false));
    for (CNote* note : {rent, call}) { // rolled up
        CNoteWnd* window = CNoteWindowManager::WindowOf(*note);
        window->resize(window->width(), window->RolledUpHeight());
    }
    // The ringing note's alarm is due now; the tick a second later opens it.
    ringing->m_bShowCountdown = 1;
    scheduler.Tick(now + CUtility::OneSecond);
    const int result = QApplication::exec();
    data.RemoveAllNotes();
    CClock::Install(nullptr);
    return result;
}
