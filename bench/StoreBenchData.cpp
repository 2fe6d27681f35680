#include "bench/StoreBenchData.h"

#include "store/CalendarData.h"
#include "store/RecurringNote.h"
#include "zadad/Utility.h"

#include <random>
#include <string>

namespace {

// How the 60,000 notes divide between the kinds.
constexpr int kMemos = 20000;
constexpr int kOneTime = 24000;
constexpr int kHistory = 6000;
constexpr int kDaily = 200;
constexpr int kWeekly = 1800;
constexpr int kMonthly = 3000;
constexpr int kYearly = 5000;
static_assert(kMemos + kOneTime + kHistory + kDaily + kWeekly + kMonthly + kYearly ==
              kLargeStoreNotes);

const char* const kWords[] = {"call",    "meeting", "review", "invoice", "dentist", "school",
                              "lunch",   "project", "report", "garden",  "car",     "service",
                              "payment", "flight",  "hotel",  "party",   "gift",    "doctor"};

class CNoteMaker {
public:
    std::string Title() { return Word() + " " + Word() + " " + std::to_string(Pick(1, 99)); }

    // A rich-text body of 200 to 400 bytes, as the editor stores it.
    std::string Body() {
        std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
        const std::size_t length = static_cast<std::size_t>(Pick(200, 400));
        while (text.size() < length - 6)
            text += Word() + (Pick(0, 9) == 0 ? "\\par " : " ");
        return text + "\\par}";
    }

    // A time within ten years around now, on a quarter hour.
    COleDateTime Within10Years() {
        const COleDateTime base(2021, 12, 8, 0, 0, 0);
        return base + CUtility::OneDay * Pick(0, 3652) + CUtility::FifteenMinute * Pick(28, 80);
    }

    WORD Category() { return static_cast<WORD>(Pick(0, 4)); }
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

private:
    std::string Word() { return kWords[Pick(0, static_cast<int>(std::size(kWords)) - 1)]; }
    std::mt19937 m_random{20261208};
};

void AddMemos(CCalendarData& data, CNoteMaker& make) {
    for (int i = 0; i < kMemos; ++i)
        data.AddNote(std::make_unique<CNote>(kNoteMemo, make.Title(), make.Body(),
                                             make.Within10Years(), make.Category()));
}

void AddOneTime(CCalendarData& data, CNoteMaker& make, int count, BOOL history) {
    for (int i = 0; i < count; ++i) {
        auto note = std::make_unique<COneTimeNote>(kNoteOneTime, make.Title(), make.Body(),
                                                   make.Within10Years(), make.Pick(0, 3),
                                                   make.Category(), make.Pick(0, 4) != 0);
        note->m_bHistory = history;
        data.AddNote(std::move(note));
    }
}

void AddRepeated(CCalendarData& data, CNoteMaker& make, int count, int unit) {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    for (int i = 0; i < count; ++i) {
        const COleDateTime start = now - CUtility::OneDay * make.Pick(1, 3000) +
                                   CUtility::FifteenMinute * make.Pick(0, 40);
        // Some monthly notes follow a weekday rule ("the last Friday").
        const BOOL byWeekDay = unit == kRepeatMonth && make.Pick(0, 3) == 0;
        auto note = std::make_unique<CRecurringNote>(
            make.Title(), make.Body(), start, make.Pick(0, 2), unit, 1, make.Category(), byWeekDay,
            make.Pick(1, 7), make.Pick(1, 5), make.Pick(1, 12), make.Pick(0, 1));
        if (make.Pick(0, 9) == 0) note->m_dtEnd = now + CUtility::OneDay * make.Pick(30, 2000);
        data.AddNote(std::move(note));
    }
}

} // namespace

void FillLargeStore(CCalendarData& data) {
    CNoteMaker make;
    data.m_nClearHistoryDays = 0; // keep every history copy at load
    AddMemos(data, make);
    AddOneTime(data, make, kOneTime, 0);
    AddOneTime(data, make, kHistory, 1);
    AddRepeated(data, make, kDaily, kRepeatDay);
    AddRepeated(data, make, kWeekly, kRepeatWeek);
    AddRepeated(data, make, kMonthly, kRepeatMonth);
    AddRepeated(data, make, kYearly, kRepeatYear);
    data.FindNextAlarm();
}
