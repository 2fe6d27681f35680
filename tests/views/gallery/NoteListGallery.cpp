// The notes list to look at (not a test): December 2026 with memos,
// one-time and recurring notes with and without reminder, holidays, a
// history copy and an overdue reminder, two rows selected. The clock stands
// still at Tuesday, 8 December 2026, 9:30.
//   orrindale_notelist_gallery [--period 0-3] [--sort 4-7] [--24] [--save out.png]
// --period picks the list filter (0 today ... 3 all), --sort the sort order
// (4 time descending, 5 ascending, 6 title descending, 7 ascending, reached
// by header clicks), --24 the 24-hour clock; --save writes the window into
// out.png instead of staying open.
#include "almanac/HolidayNote.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "store/TimeFormats.h"
#include "views/CalendarActions.h"
#include "views/NoteList.h"
#include "views/NoteListRows.h"
#include "views/NoteListWnd.h"
#include "views/SortHeaderCtrl.h"
#include "zadad/Clock.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QTimer>

#include <memory>

namespace {

class CStillClock : public CClock {
public:
    COleDateTime Now() const override { return COleDateTime(2026, 12, 8, 9, 30, 0); }
};

COleDateTime On(int day, int hour, int minute = 0) {
    return COleDateTime(2026, 12, day, hour, minute, 0);
}

void AddNotes(CCalendarData& data) {
    struct {
        const char* title;
        int kind;
        int day;
        int hour;
        int minute;
        BOOL remind;
    } const notes[] = {
        {"Dentist, bring the insurance card", kNoteOneTime, 8, 14, 30, 1},
        {"Parcel at the post office", kNoteOneTime, 8, 8, 0, 1},
        {"Groceries: milk, bread, eggs and coffee for the weekend", kNoteMemo, 8, 0, 0, 0},
        {"Choir practice", kNoteRecurring, 9, 19, 0, 1},
        {"Call the plumber about the kitchen tap", kNoteOneTime, 11, 16, 15, 0},
        {"Water the plants", kNoteRecurring, 12, 9, 0, 0},
        {"Car service on Mill Road", kNoteOneTime, 15, 8, 0, 1},
        {"Library books due", kNoteMemo, 18, 0, 0, 0},
        {"Christmas market with Anna", kNoteOneTime, 19, 17, 0, 1},
        {"Book the train to the coast", kNoteOneTime, 30, 11, 0, 1},
    };
    for (const auto& n : notes) {
        const COleDateTime at = On(n.day, n.hour, n.minute);
        if (n.kind == kNoteMemo)
            data.AddNote(std::make_unique<CNote>(kNoteMemo, n.title, "", at, 0));
        else if (n.kind == kNoteOneTime)
            data.AddNote(
                std::make_unique<COneTimeNote>(kNoteOneTime, n.title, "", at, 0, 0, n.remind));
        else
            data.AddNote(std::make_unique<CRecurringNote>(n.title, "", at, 0, kRepeatWeek, 1, 0, 0,
                                                          1, 1, 1, n.remind));
    }
    data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, "Pay the rent", "",
                                                COleDateTime(2027, 1, 4, 9, 0, 0), 2, 0, 1));
    for (const auto& [name, day] :
         {std::pair{"St Nicholas' Day", 6}, std::pair{"Lucia", 13}, std::pair{"Christmas Day", 25}})
        data.m_noteManager.Add(std::make_unique<CHolidayNote>(name, "", 12, day, 1, 0, 0, 0, 0, 1));
    const CNote* flu = data.AddNote(
        std::make_unique<COneTimeNote>(kNoteOneTime, "Flu jab", "", On(2, 10), 0, 0, 1));
    data.Clone(*flu, 1)->m_dtStart = On(2, 10);
    data.DeleteNote(static_cast<WORD>(flu->m_nID));
}

int Option(const QStringList& args, const QString& name, int fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

// The header clicks that lead from the start (time, ascending) to sortOrder.
void SortBy(CNoteListWnd& wnd, int sortOrder) {
    CSortHeaderCtrl& header = wnd.List().Header();
    for (int click = 0; click < 2 && wnd.SortOrder() != sortOrder; ++click)
        emit header.sectionClicked(sortOrder >= kSortTitleDescending ? kColumnNote : kColumnTime);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype saveAt = args.indexOf("--save");
    const QString save = saveAt >= 0 && saveAt + 1 < args.size() ? args[saveAt + 1] : QString();
    CStillClock clock;
    CClock::Install(&clock);
    g_crNoteTitleDefault = CUtility::GetTextureColor(nullptr, "", 153);

    CCalendarData data;
    data.m_b24Hour = args.contains("--24") ? 1 : 0;
    SetTimeFormats(data.m_b24Hour);
    data.m_nListFilter = Option(args, "--period", 3);
    AddNotes(data);
    CNoCalendarActions actions;
    CNoteListWnd wnd(data, actions);
    wnd.setWindowTitle("Orrindale notes list");
    wnd.resize(720, 380);
    SortBy(wnd, Option(args, "--sort", kSortDateAscending));
    wnd.ShowList();
    CNoteList& list = wnd.List();
    for (int row : {1, 2})
        if (row < list.RowCount())
            list.selectionModel()->select(list.model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (save.isEmpty()) return app.exec();
    QTimer::singleShot(300, [&] {
        wnd.grab().save(save);
        app.quit();
    });
    return app.exec();
}
