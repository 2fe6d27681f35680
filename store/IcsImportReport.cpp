#include "store/IcsImportReport.h"

namespace {

struct CLossText {
    IcsLoss loss;
    const char* text;
};

// In the order the lines are shown.
const CLossText kLossTexts[] = {
    {IcsLoss::kRepeatExceptions, "repeat exceptions (EXDATE) left out"},
    {IcsLoss::kExtraDates, "extra dates (RDATE) left out"},
    {IcsLoss::kChangedOccurrences, "changed occurrences of a series (RECURRENCE-ID) left out"},
    {IcsLoss::kSeveralRules, "only the first of several repeat rules (RRULE) kept"},
    {IcsLoss::kSeveralWeekdays, "repeat on several weekdays (BYDAY): only the first date kept"},
    {IcsLoss::kSetPositions, "repeat positions (BYSETPOS): only the first date kept"},
    {IcsLoss::kOtherRules, "repeat rules the program cannot follow: only the first date kept"},
    {IcsLoss::kShortMonths,
     "repeating on the 29th-31st: months without that day get their last day"},
    {IcsLoss::kLastDayFromShort,
     "repeating on the last day of the month from a shorter month: kept on the start's day"},
    {IcsLoss::kStartOffRule, "start outside its repeat rule: the series starts on its first day"},
    {IcsLoss::kLongCounts, "series counted too long to work out (COUNT): kept without an end"},
    {IcsLoss::kEnded, "repeating series that have ended left out"},
    {IcsLoss::kEndTimes, "end times and lengths (DTEND, DURATION) left out"},
    {IcsLoss::kOtherZones, "times of other time zones converted to local time"},
    {IcsLoss::kUnknownZones, "unknown time zones (TZID): times taken as local time"},
    {IcsLoss::kAlarmsRounded, "alarms not whole days before: moved to the nearest whole day"},
    {IcsLoss::kSeveralAlarms, "several alarms: only the earliest kept"},
    {IcsLoss::kPastAlarms, "alarms of events gone by left out"},
    {IcsLoss::kSeveralCategories, "several categories: only the first kept"},
    {IcsLoss::kNoStart, "events without a date (DTSTART) left out"},
    {IcsLoss::kOutOfRange, "dates the program cannot hold left out"},
    {IcsLoss::kOtherComponents, "to-dos and journal entries (VTODO, VJOURNAL) left out"},
    {IcsLoss::kAlreadyThere, "already in the calendar: not added again"},
    {IcsLoss::kNoRoom, "no room for more notes: not added"},
};

std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string LossLines(const IcsLosses& losses) {
    std::string lines;
    for (const CLossText& entry : kLossTexts) {
        const auto found = losses.find(entry.loss);
        if (found == losses.end() || found->second == 0) continue;
        const bool entries = entry.loss == IcsLoss::kOtherComponents;
        lines.append("\n")
            .append(
                Counted(found->second, entries ? "entry" : "event", entries ? "entries" : "events"))
            .append(": ")
            .append(entry.text);
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text.append(text.empty() ? "" : ", ").append(name);
    return text;
}

} // namespace

std::string IcsImportReport(const CIcsImportResult& result, const std::string& source) {
    if (!result.m_bRead)
        return "Calendar Read Error!\n\n" + source +
               " cannot be read as a calendar: " + result.m_strProblem +
               ".\n\nYour notes have not been changed.";
    const std::string losses = LossLines(result.m_losses);
    if (result.m_nAdded == 0 && losses.empty()) return "There are no events in " + source + ".";
    std::string text = Counted(result.m_nAdded, "note", "notes") + " added from " + source + ".";
    if (!result.m_newCategories.empty())
        text += "\n\nNew categories: " + Joined(result.m_newCategories) + ".";
    if (!losses.empty()) text += "\n\nNot everything could be taken over:" + losses;
    return text;
}
