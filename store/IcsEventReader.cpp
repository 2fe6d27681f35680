#include "store/IcsEventReader.h"

#include "store/IcsRule.h"
#include "store/IcsTime.h"
#include "store/RecurringNote.h"
#include "zadad/Utility.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr int kSecondsPerDay = 86400;

std::vector<icalproperty*> Properties(icalcomponent* component, icalproperty_kind kind) {
    std::vector<icalproperty*> found;
    for (icalproperty* p = icalcomponent_get_first_property(component, kind); p;
         p = icalcomponent_get_next_property(component, kind))
        found.push_back(p);
    return found;
}

std::string Text(icalproperty* prop) {
    const char* text = prop ? icalvalue_get_text(icalproperty_get_value(prop)) : nullptr;
    return text ? text : "";
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A note's title is a single line.
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

COleDateTime DayOf(const COleDateTime& t) {
    return COleDateTime(t.GetYear(), t.GetMonth(), t.GetDay(), 0, 0, 0);
}

class CEventMapper {
public:
    CEventMapper(icalcomponent* event, const COleDateTime& now, CIcsEvent& out,
                 CIcsEventReader::WalkBudget& budget)
        : m_event(event), m_dtNow(now), m_out(out), m_budget(budget) {
        m_dtEnd.SetStatus(COleDateTime::null);
    }

    void Map(const CIcsEventReader::NoteText& noteText) {
        if (icalcomponent_get_first_property(m_event, ICAL_RECURRENCEID_PROPERTY))
            return Lose(IcsLoss::kChangedOccurrences);
        icalproperty* start = icalcomponent_get_first_property(m_event, ICAL_DTSTART_PROPERTY);
        if (!start) return Lose(IcsLoss::kNoStart);
        m_zone = CIcsZone::Of(start, m_event);
        m_dtstart = icalproperty_get_dtstart(start);
        m_bAllDay = m_dtstart.is_date != 0;
        if (!ReadRepeat()) return;
        const std::optional<COleDateTime> when = Local(m_repeat ? m_first : m_dtstart);
        if (!when) return;
        ReadLength();
        ReadAlarms(*when);
        ReadCategory();
        const std::string text =
            Text(icalcomponent_get_first_property(m_event, ICAL_DESCRIPTION_PROPERTY));
        MakeNote(*when,
                 OneLine(Text(icalcomponent_get_first_property(m_event, ICAL_SUMMARY_PROPERTY))),
                 noteText ? noteText(text) : text);
    }

private:
    void Lose(IcsLoss loss) { m_out.m_losses.insert(loss); }

    // A time of the event as local time, with what its zone cost.
    std::optional<COleDateTime> Local(const icaltimetype& value) {
        const CLocalTime local = m_zone.ToLocal(value);
        if (local.m_dtTime.GetStatus() != COleDateTime::valid) {
            Lose(IcsLoss::kOutOfRange);
            return std::nullopt;
        }
        if (local.m_bConverted) Lose(IcsLoss::kOtherZones);
        if (local.m_bUnknownZone) Lose(IcsLoss::kUnknownZones);
        return local.m_dtTime;
    }

    // The repetition, when the program can follow it. False when the event
    // is left out (its series ended, or a date cannot be held).
    bool ReadRepeat() {
        const std::vector<icalproperty*> rules = Properties(m_event, ICAL_RRULE_PROPERTY);
        if (icalcomponent_get_first_property(m_event, ICAL_RDATE_PROPERTY))
            Lose(IcsLoss::kExtraDates);
        if (rules.empty()) return true;
        if (rules.size() > 1) Lose(IcsLoss::kSeveralRules);
        if (icalcomponent_get_first_property(m_event, ICAL_EXDATE_PROPERTY))
            Lose(IcsLoss::kRepeatExceptions);
        const icalrecurrencetype rule = icalproperty_get_rrule(rules.front());
        const icsrule::CMapping mapping = icsrule::ToRepeat(rule, m_dtstart);
        if (mapping.m_loss) Lose(*mapping.m_loss);
        if (!mapping.m_repeat) return true; // comes in once, at its start
        if (!Local(mapping.m_first)) return false;
        if (!ReadEnd(rule, *mapping.m_repeat)) return true; // none before UNTIL: once, at its start
        if (m_dtEnd.GetStatus() == COleDateTime::valid && m_dtEnd <= m_dtNow) {
            Lose(IcsLoss::kEnded);
            return false;
        }
        m_repeat = mapping.m_repeat;
        m_first = mapping.m_first;
        return true;
    }

    // The end date from UNTIL or COUNT. A series of days or longer ends at
    // the start of the day after its last occurrence, as the editor sets an
    // end; that also keeps the last one when a time from another zone moves
    // by an hour over the year. Shorter series end a second after it (the
    // program counts an occurrence while it is earlier than the end). False
    // when not even the first occurrence counts.
    bool ReadEnd(const icalrecurrencetype& rule, const icsrule::CRepeat& repeat) {
        const bool shorterThanADay = repeat.m_nUnit <= kRepeatHour;
        const std::optional<COleDateTime> last = LastOccurrence(rule);
        if (!last) {
            // Endless, or too long to walk: then UNTIL itself is the last moment;
            // a count too long to walk leaves no end to give.
            if (rule.count > 0) Lose(IcsLoss::kLongCounts);
            // A date as UNTIL keeps that whole day.
            const CLocalTime until = m_zone.ToLocal(rule.until);
            if (rule.count == 0 && until.m_dtTime.GetStatus() == COleDateTime::valid)
                m_dtEnd = rule.until.is_date ? DayOf(until.m_dtTime) + CUtility::OneDay
                                             : until.m_dtTime + CUtility::OneSecond;
            return true;
        }
        if (last->GetStatus() != COleDateTime::valid) return false;
        m_dtEnd = shorterThanADay ? *last + CUtility::OneSecond : DayOf(*last) + CUtility::OneDay;
        return true;
    }

    // The last occurrence, in local time, of a series that UNTIL or COUNT
    // ends; a null time when none counts; nothing when it does not end within
    // the walk it is allowed. The walk compares on the event's own clock and
    // turns only the last occurrence into local time: a named zone's
    // conversion costs far more than a step.
    std::optional<COleDateTime> LastOccurrence(const icalrecurrencetype& rule) {
        const bool hasUntil = !icaltime_is_null_time(rule.until);
        if (rule.count <= 0 && !hasUntil) return std::nullopt;
        icaltimetype until = m_zone.WallOf(rule.until);
        // A date ends a timed series at the end of that day.
        if (hasUntil && until.is_date && !m_bAllDay) {
            until.is_date = 0;
            until.hour = 23;
            until.minute = 59;
            until.second = 59;
        }
        icaltimetype last = icaltime_null_time();
        icsrule::COccurrenceWalk walk(rule, m_dtstart);
        const int steps =
            rule.count > 0 ? CIcsEventReader::kMaxCount : CIcsEventReader::kMaxUntilWalk;
        for (int i = 1; i <= steps && m_budget.left > 0; ++i, --m_budget.left) {
            const icaltimetype next = walk.Next();
            if (icaltime_is_null_time(next) || (hasUntil && Later(next, until)))
                return LocalOf(last);
            last = next;
            if (i == rule.count) return LocalOf(last);
        }
        return std::nullopt;
    }

    // Wall times as they stand, a date at its start.
    static bool Later(const icaltimetype& a, const icaltimetype& b) {
        const auto fields = [](const icaltimetype& t) {
            return t.is_date ? std::array{t.year, t.month, t.day, 0, 0, 0}
                             : std::array{t.year, t.month, t.day, t.hour, t.minute, t.second};
        };
        return fields(a) > fields(b);
    }

    // A wall time of the event as local time; a null time for none.
    COleDateTime LocalOf(const icaltimetype& wall) const {
        COleDateTime local;
        local.SetStatus(COleDateTime::null);
        return icaltime_is_null_time(wall) ? local : m_zone.ToLocal(wall).m_dtTime;
    }

    // The event's length in seconds from DTEND or DURATION; nothing when neither is there.
    std::optional<int> Length() const {
        if (icalproperty* duration =
                icalcomponent_get_first_property(m_event, ICAL_DURATION_PROPERTY))
            return icaldurationtype_as_int(icalproperty_get_duration(duration));
        icalproperty* end = icalcomponent_get_first_property(m_event, ICAL_DTEND_PROPERTY);
        if (!end) return std::nullopt;
        const icaltimetype wall = icalproperty_get_dtend(end);
        const COleDateTime from = icstime::WallTime(m_dtstart);
        const COleDateTime to = icstime::WallTime(wall);
        if (from.GetStatus() != COleDateTime::valid || to.GetStatus() != COleDateTime::valid)
            return std::nullopt;
        return static_cast<int>(std::lround((to - from).m_span * kSecondsPerDay));
    }

    // Notes have no end time: a timed event's end and an all-day event's
    // further days are left out.
    void ReadLength() {
        const std::optional<int> length = Length();
        if (length && *length != (m_bAllDay ? kSecondsPerDay : 0)) Lose(IcsLoss::kEndTimes);
    }

    // The earliest alarm, as whole days before the start.
    void ReadAlarms(const COleDateTime& start) {
        std::optional<double> lead;
        int alarms = 0;
        for (icalcomponent* alarm =
                 icalcomponent_get_first_component(m_event, ICAL_VALARM_COMPONENT);
             alarm; alarm = icalcomponent_get_next_component(m_event, ICAL_VALARM_COMPONENT)) {
            const std::optional<double> seconds = LeadSeconds(alarm, start);
            if (!seconds) continue;
            ++alarms;
            lead = std::max(lead.value_or(*seconds), *seconds);
        }
        if (!lead) return;
        if (alarms > 1) Lose(IcsLoss::kSeveralAlarms);
        const double days = std::max(0.0, std::round(*lead / kSecondsPerDay));
        if (days * kSecondsPerDay != *lead) Lose(IcsLoss::kAlarmsRounded);
        m_bRemind = true;
        m_nLeadDays = static_cast<int>(std::min<double>(days, 0x7FFF));
    }

    // How long before the start an alarm rings (negative: after it).
    std::optional<double> LeadSeconds(icalcomponent* alarm, const COleDateTime& start) {
        icalproperty* prop = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        if (!prop) return std::nullopt;
        const icaltriggertype trigger = icalproperty_get_trigger(prop);
        if (!icaltime_is_null_time(trigger.time)) {
            const CLocalTime at = m_zone.ToLocal(trigger.time);
            if (at.m_dtTime.GetStatus() != COleDateTime::valid) return std::nullopt;
            return std::round((start - at.m_dtTime).m_span * kSecondsPerDay);
        }
        double offset = icaldurationtype_as_int(trigger.duration);
        icalparameter* related = icalproperty_get_first_parameter(prop, ICAL_RELATED_PARAMETER);
        if (related && icalparameter_get_related(related) == ICAL_RELATED_END)
            offset += Length().value_or(m_bAllDay ? kSecondsPerDay : 0);
        return -offset;
    }

    void ReadCategory() {
        int named = 0;
        for (icalproperty* prop : Properties(m_event, ICAL_CATEGORIES_PROPERTY)) {
            const char* value = icalproperty_get_categories(prop);
            const std::string name = Trimmed(value ? value : "");
            if (name.empty()) continue;
            if (named++ == 0) m_out.m_strCategory = name;
        }
        if (named > 1) Lose(IcsLoss::kSeveralCategories);
    }

    void MakeNote(const COleDateTime& when, const std::string& title, const std::string& text) {
        if (m_repeat) {
            // Without a reminder the editor puts an untimed note one second into its day.
            const COleDateTime start = m_bAllDay && !m_bRemind ? when + CUtility::OneSecond : when;
            const icsrule::CRepeat& r = *m_repeat;
            auto note = std::make_unique<CRecurringNote>(
                title, text, start, m_nLeadDays, r.m_nUnit, r.m_nEvery, 0, r.m_bByWeekDay,
                r.m_nWeekDay, r.m_nOrdinal, r.m_nMonth, m_bRemind ? 1 : 0);
            note->m_dtEnd = m_dtEnd;
            m_out.m_pNote = std::move(note);
        } else if (m_bRemind && when > m_dtNow) {
            m_out.m_pNote =
                std::make_unique<COneTimeNote>(kNoteOneTime, title, text, when, m_nLeadDays, 0, 1);
        } else {
            // An alarm for an event gone by would only ring at once.
            if (m_bRemind) Lose(IcsLoss::kPastAlarms);
            m_out.m_pNote = std::make_unique<CNote>(kNoteMemo, title, text, when, 0);
        }
    }

    icalcomponent* m_event;
    const COleDateTime m_dtNow;
    CIcsEvent& m_out;
    CIcsEventReader::WalkBudget& m_budget;
    CIcsZone m_zone;
    icaltimetype m_dtstart{};
    bool m_bAllDay = false;
    std::optional<icsrule::CRepeat> m_repeat;
    icaltimetype m_first{};
    COleDateTime m_dtEnd;
    bool m_bRemind = false;
    int m_nLeadDays = 0;
};

} // namespace

CIcsEvent CIcsEventReader::Read(icalcomponent* event, const NoteText& noteText,
                                const COleDateTime& now, WalkBudget& budget) {
    CIcsEvent result;
    CEventMapper(event, now, result, budget).Map(noteText);
    return result;
}
