// Shows one of the editor's or the options' windows in a given state, so that
// it can be looked at (screenshots under Xvfb). Not a test: it runs until
// the window is closed.
//   show_dialogs editor-new | editor-weekday | editor-history | editor-longcategory
//                | options PAGE
// The program directory is a fresh temporary one holding the starting holidays.
#include "almanac/HolidayList.h"
#include "almanac/StartingHolidays.h"
#include "editing/NoteEditDlg.h"
#include "options/OptionSheet.h"
#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "store/RecurringNote.h"
#include "tests/support/FakeAudioBackEnd.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestClock.h"

#include <QApplication>
#include <QTabWidget>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 40, 0);

CNote* AddWeekdayNote(CCalendarData& data) {
    auto note = std::make_unique<CRecurringNote>(
        "Book club", "{\\rtf1 Bring \\b the novel\\b0  and see www.example.org}",
        COleDateTime(2026, 12, 15, 19, 30, 0), 2, kRepeatYear, 1, 3, 1, 3, 2, 12, 1);
    return data.AddNote(std::move(note));
}

CNote* AddHistoryCopy(CCalendarData& data) {
    auto note = std::make_unique<COneTimeNote>(kNoteOneTime, "Pay the rent", "Paid by transfer.",
                                               COleDateTime(2026, 12, 1, 9, 0, 0), 1, 1, 1);
    note->m_bHistory = 1;
    return data.AddNote(std::move(note));
}

// A note filed under a category whose name is far longer than the box.
CNote* AddLongCategoryNote(CCalendarData& data) {
    data.m_arrCategories[1].m_strName = "Family and friends, " + std::string(180, 'W');
    return data.AddNote(std::make_unique<CNote>(kNoteMemo, "Picnic", "", kNow, WORD{1}));
}

int ShowEditor(CCalendarData& data, const char* state) {
    CNote* note = nullptr;
    if (std::strcmp(state, "editor-longcategory") == 0) note = AddLongCategoryNote(data);
    if (std::strcmp(state, "editor-weekday") == 0) note = AddWeekdayNote(data);
    if (std::strcmp(state, "editor-history") == 0) note = AddHistoryCopy(data);
    CNoteEditDlg editor(&data, kNow, note);
    editor.show();
    return QApplication::exec();
}

int ShowOptions(CCalendarData& data, int page) {
    // A sound device to offer the wave file, and a file chosen before.
    CFakeAudioBackEnd audio;
    data.m_nAlarmSound = 148;
    data.m_strWaveFile = "/home/user/Sounds/bell.wav";
    g_bShowSunInfo = 1;
    COptionSheet sheet(data);
    sheet.Tabs()->setCurrentIndex(page);
    sheet.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    CTempHome home;
    CTestClock clock(kNow);
    CStartingHolidays::Provide();
    CCalendarData data;
    CHolidayList::Attach(data);
    data.Load();
    if (std::strcmp(argv[1], "options") == 0)
        return ShowOptions(data, argc > 2 ? std::atoi(argv[2]) : 0);
    return ShowEditor(data, argv[1]);
}
