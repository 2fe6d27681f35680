#pragma once
// A recurring note's repetition as an iCalendar rule (RRULE), and back.
//
// Out: every unit from minutes to years with its N as FREQ and INTERVAL; a
// weekday rule as BYDAY with its ordinal (last = -1), and BYMONTH for a yearly
// one; the end date as UNTIL. A note repeated on the 29th-31st falls back to
// the last day of a month that lacks its day, where a plain rule would skip
// that month, so it is written in a form that says the same: the 31st as
// BYMONTHDAY=-1, the 29th and 30th as BYMONTHDAY=28,...,day;BYSETPOS=-1 (the
// last of those days the month has), 29 February yearly as
// BYMONTH=2;BYMONTHDAY=28,29;BYSETPOS=-1.
//
// In: the same forms, and what else reduces to one of the program's rules
// from the series' first occurrence; anything beyond is named by its loss.

#include "store/IcalHandle.h"
#include "store/IcsLoss.h"
#include "store/RecurringNote.h"

#include <libical/ical.h>

#include <optional>

namespace icsrule {

// The note's repetition as a rule; allDay writes the end as a date.
icalrecurrencetype FromNote(const CRecurringNote& note, bool allDay);
// The first occurrence of the note's series: its start, or for a weekday rule
// the first day the rule gives from the start.
COleDateTime SeriesStart(const CRecurringNote& note);

// The program's repetition fields.
struct CRepeat {
    int m_nUnit = kRepeatDay;
    int m_nEvery = 1;
    BOOL m_bByWeekDay = 0;
    int m_nWeekDay = 1;
    int m_nOrdinal = 1;
    int m_nMonth = 1;
};

struct CMapping {
    std::optional<CRepeat> m_repeat; // none: the rule cannot be followed
    icaltimetype m_first{};          // the first occurrence, a wall time like dtstart
    std::optional<IcsLoss> m_loss;   // what was changed, or why there is no repeat
};

// The rule from dtstart (a wall time, its zone left aside) as the program's
// repetition, ignoring UNTIL and COUNT.
CMapping ToRepeat(const icalrecurrencetype& rule, const icaltimetype& dtstart);
// The occurrences of a rule from dtstart one after another, as wall times
// of dtstart's zone, ignoring UNTIL and COUNT.
class COccurrenceWalk {
public:
    COccurrenceWalk(const icalrecurrencetype& rule, const icaltimetype& dtstart);
    // A null time when there are no more.
    icaltimetype Next();

private:
    IcalIteratorPtr m_iterator;
};

// The n-th occurrence (1 = the first) of the rule from dtstart, ignoring
// UNTIL and COUNT; a null time when there is none within reach.
icaltimetype Occurrence(const icalrecurrencetype& rule, const icaltimetype& dtstart, int n);

} // namespace icsrule
