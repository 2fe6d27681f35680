#pragma once
// Notes as iCalendar text (RFC 5545) for other calendar programs. Memos are
// events, all-day when they have no time of their own; one-time notes carry
// an alarm their lead days before; recurring notes carry their rule (see
// IcsRule.h) and, with a reminder, the same alarm. The category goes into
// CATEGORIES, the note's plain text into DESCRIPTION, its ID into the UID.
// Times are floating local times, as the program keeps them.

#include "store/NoteOccurrence.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CCalendarData;
class CNote;

class CIcsExport {
public:
    // A note's text (which may be rich text) as plain text.
    using PlainText = std::function<std::string(std::string_view)>;

    // Every note another calendar can take, each as a whole series: no
    // history copies, holidays or notes that are switched off. Notes dated
    // after the last year a calendar file carries (icstime::kLastYear) are passed
    // over, and a series ending after it is written without an end.
    static std::string WriteCalendar(const CCalendarData& data, const PlainText& plainText);
    // The given notes, each as one event with its repetition and alarm, in
    // the order given. History copies come as single events at their start
    // without an alarm; holidays, whose dates follow rules of their own, are
    // passed over.
    static std::string WriteNotes(const CCalendarData& data, const std::vector<const CNote*>& notes,
                                  const PlainText& plainText);
    // Each occurrence as an event of its own, without repetition, with the
    // alarm of its note: what an agenda of a few days lists.
    static std::string WriteOccurrences(const CCalendarData& data,
                                        const std::vector<CNoteOccurrence>& occurrences,
                                        const PlainText& plainText);

    // Whether the note occurring at t is written as an all-day event: it has
    // no reminder and stands at the very start of its day (the editor puts
    // such notes at 00:00, or one second later), and it does not repeat by
    // minutes or hours.
    static bool IsAllDay(const CNote& note, const COleDateTime& t);
};
