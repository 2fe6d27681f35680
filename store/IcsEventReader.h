#pragma once
// One event (VEVENT) of a calendar file as a note of the program. With a rule
// the program can follow it becomes a recurring note; without one, a one-time
// note when it has an alarm and lies ahead, else a memo. All-day events stand
// at the start of their day (a recurring one without a reminder one second
// in, as the editor makes it). Times come in as local time; an alarm becomes
// whole lead days. What does not fit is named by its losses; an event that
// cannot come in at all has no note.

#include "store/IcsLoss.h"
#include "store/Note.h"

#include <libical/ical.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>

struct CIcsEvent {
    std::unique_ptr<CNote> m_pNote; // none: the event is left out
    std::string m_strCategory;      // the name of its category, empty for none
    std::set<IcsLoss> m_losses;
};

class CIcsEventReader {
public:
    // An event's description (plain text) as the text of a note.
    using NoteText = std::function<std::string(std::string_view)>;

    // The longest series whose COUNT is worked out; a longer one comes in
    // without an end, and the import says so.
    static constexpr int kMaxCount = 100000;
    // A series that UNTIL ends is walked this far to find its last
    // occurrence; a longer one ends at the UNTIL time itself.
    static constexpr int kMaxUntilWalk = 10000;
    // Occurrences walked for all the events of one file together. libical
    // takes microseconds for each, so that a small file of a few dozen
    // series of a hundred thousand would hold the program for minutes.
    static constexpr long kMaxFileWalk = 200000;

    // What is left of one file's walk.
    struct WalkBudget {
        long left = kMaxFileWalk;
    };

    // event: a VEVENT of a parsed calendar; now: when the import runs;
    // budget: shared by the events of the file.
    static CIcsEvent Read(icalcomponent* event, const NoteText& noteText, const COleDateTime& now,
                          WalkBudget& budget);
};
