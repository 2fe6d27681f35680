// fuzz_seed_writer DIR: writes a few data files into DIR through the
// program's own save path, as the fuzzer's first inputs: no notes, and one
// of each kind with categories, rich and non-ASCII text and every repetition
// form, each saved under the current format.

#include "store/CalendarData.h"
#include "store/RecurringNote.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

const COleDateTime kStart(2026, 12, 8, 9, 30, 0);

void AddEveryKind(CCalendarData& data) {
    data.SetCategories({0, 1, 2}, {"All", "Work", "Birthdays \xC3\xA9t\xC3\xA9"});
    data.AddNote(std::make_unique<CNote>(kNoteMemo, "Memo", "plain text", kStart, 1));
    data.AddNote(std::make_unique<COneTimeNote>(kNoteOneTime, "Dentist \xE2\x82\xAC",
                                                "{\\rtf1\\ansi {\\b bold} text\\par}", kStart, 2, 1,
                                                1));
    data.AddNote(std::make_unique<CRecurringNote>("Weekly", "", kStart, 0, kRepeatWeek, 2, 0, 0, 1,
                                                  1, 1, 1));
    data.AddNote(std::make_unique<CRecurringNote>("Last Friday", "", kStart, 1, kRepeatMonth, 1, 2,
                                                  1, 6, 5, 0, 1));
    data.AddNote(std::make_unique<CRecurringNote>("Yearly", "", kStart, 0, kRepeatYear, 1, 2, 1, 2,
                                                  1, 11, 0));
}

bool Save(CCalendarData& data, const std::string& path) {
    if (data.SaveCopy(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_writer DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    CCalendarData empty;
    empty.RemoveAllNotes();
    CCalendarData full;
    full.RemoveAllNotes();
    AddEveryKind(full);
    full.m_strWaveFile = "/usr/share/sounds/alarm.wav";
    return Save(empty, dir + "/empty.dat") && Save(full, dir + "/notes.dat") ? 0 : 1;
}
