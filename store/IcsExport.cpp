#include "store/IcsExport.h"

#include "res/StringTable.h"
#include "store/CalendarData.h"
#include "store/IcalHandle.h"
#include "store/IcsRule.h"
#include "store/IcsTime.h"
#include "store/NoteCasts.h"

#include <algorithm>

namespace {

constexpr const char* kUidDomain = "@orrindale";
constexpr const char* kStampFormat = "%Y%m%dT%H%M%S";
constexpr int kUntimedSeconds = 1;

bool IsStoredKind(const CNote& note) {
    return note.m_nType == kNoteMemo || note.m_nType == kNoteOneTime ||
           note.m_nType == kNoteRecurring;
}

// The repetition a note is written with, if any.
const CRecurringNote* Series(const CNote& note) {
    return note.m_bHistory || note.m_nType != kNoteRecurring ? nullptr : AsRecurring(note);
}

bool HasAlarm(const CNote& note) {
    return note.m_bRemind && !note.m_bHistory && AsOneTime(note) != nullptr;
}

class CCalendarWriter {
public:
    CCalendarWriter(const CCalendarData& data, const CIcsExport::PlainText& plainText)
        : m_data(data), m_plainText(plainText), m_calendar(icalcomponent_new_vcalendar()),
          m_stamp(icstime::Utc(COleDateTime::GetCurrentTime())) {
        icalcomponent_add_property(m_calendar.get(), icalproperty_new_version("2.0"));
        const std::string product = "-//Orrindale//Orrindale " + LoadString(IDS_VERSION) + "//EN";
        icalcomponent_add_property(m_calendar.get(), icalproperty_new_prodid(product.c_str()));
    }

    void AddSeries(const CNote& note) {
        const CRecurringNote* series = Series(note);
        const COleDateTime start = series ? icsrule::SeriesStart(*series) : Start(note);
        if (!icstime::Writable(start)) return;
        // A series that ended before it began has nothing to show.
        if (series && !CNoteManager::IsCurrent(note, start)) return;
        const bool allDay = CIcsExport::IsAllDay(note, start);
        icalcomponent* event = AddEvent(note, start, allDay, Uid(note, nullptr));
        if (series)
            icalcomponent_add_property(event,
                                       icalproperty_new_rrule(icsrule::FromNote(*series, allDay)));
    }

    void AddOccurrence(const CNote& note, const COleDateTime& when) {
        if (!icstime::Writable(when)) return;
        AddEvent(note, when, CIcsExport::IsAllDay(note, when), Uid(note, &when));
    }

    std::string Text() const {
        return TakeIcalString(icalcomponent_as_ical_string_r(m_calendar.get()));
    }

private:
    static COleDateTime Start(const CNote& note) {
        const COneTimeNote* timed = note.m_bHistory ? nullptr : AsOneTime(note);
        return timed ? timed->m_dtOccurrence : note.m_dtStart;
    }

    // The note's ID and the data file's first save: IDs start at 600 in every
    // data file, the file's birth tells them apart.
    std::string Uid(const CNote& note, const COleDateTime* occurrence) const {
        std::string uid = std::to_string(note.m_nID);
        if (occurrence) uid.append("-").append(occurrence->Format(kStampFormat));
        return uid.append("-")
            .append(m_data.m_dtFirstSaved.Format(kStampFormat))
            .append(kUidDomain);
    }

    icalcomponent* AddEvent(const CNote& note, const COleDateTime& start, bool allDay,
                            const std::string& uid) {
        icalcomponent* event = icalcomponent_new_vevent();
        icalcomponent_add_property(event, icalproperty_new_uid(uid.c_str()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(m_stamp));
        icalcomponent_add_property(
            event,
            icalproperty_new_dtstart(allDay ? icstime::Date(start) : icstime::Floating(start)));
        if (!note.m_strTitle.empty())
            icalcomponent_add_property(event, icalproperty_new_summary(note.m_strTitle.c_str()));
        const std::string text = m_plainText ? m_plainText(note.m_strText) : note.m_strText;
        if (!text.empty())
            icalcomponent_add_property(event, icalproperty_new_description(text.c_str()));
        if (const std::string* category = CategoryName(note.m_wCategoryID))
            icalcomponent_add_property(event, icalproperty_new_categories(category->c_str()));
        if (HasAlarm(note)) icalcomponent_add_component(event, NewAlarm(note));
        icalcomponent_add_component(m_calendar.get(), event);
        return event;
    }

    const std::string* CategoryName(WORD id) const {
        if (id == 0) return nullptr; // no category
        const auto& categories = m_data.m_arrCategories;
        const auto found = std::find_if(categories.begin(), categories.end(),
                                        [id](const CCategory& c) { return c.m_nID == id; });
        return found == categories.end() ? nullptr : &found->m_strName;
    }

    static icalcomponent* NewAlarm(const CNote& note) {
        icaltriggertype trigger{};
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_null_duration();
        trigger.duration.is_neg = 1;
        trigger.duration.days = static_cast<unsigned>(std::max(AsOneTime(note)->m_nRemindDays, 0));
        icalcomponent* alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        const std::string title =
            note.m_strTitle.empty() ? std::string("Reminder") : note.m_strTitle;
        icalcomponent_add_property(alarm, icalproperty_new_description(title.c_str()));
        return alarm;
    }

    const CCalendarData& m_data;
    const CIcsExport::PlainText& m_plainText;
    IcalComponentPtr m_calendar;
    icaltimetype m_stamp; // when the file was written, for every event's DTSTAMP
};

} // namespace

std::string CIcsExport::WriteCalendar(const CCalendarData& data, const PlainText& plainText) {
    std::vector<const CNote*> notes;
    for (const auto& entry : data.m_noteManager.Notes()) {
        const CNote& note = *entry.second;
        if (IsStoredKind(note) && !note.m_bHistory && note.m_bActive) notes.push_back(&note);
    }
    return WriteNotes(data, notes, plainText);
}

std::string CIcsExport::WriteNotes(const CCalendarData& data,
                                   const std::vector<const CNote*>& notes,
                                   const PlainText& plainText) {
    CCalendarWriter writer(data, plainText);
    for (const CNote* note : notes)
        if (note && IsStoredKind(*note)) writer.AddSeries(*note);
    return writer.Text();
}

std::string CIcsExport::WriteOccurrences(const CCalendarData& data,
                                         const std::vector<CNoteOccurrence>& occurrences,
                                         const PlainText& plainText) {
    CCalendarWriter writer(data, plainText);
    for (const CNoteOccurrence& occurrence : occurrences)
        if (occurrence.m_pNote) writer.AddOccurrence(*occurrence.m_pNote, occurrence.m_dtTime);
    return writer.Text();
}

bool CIcsExport::IsAllDay(const CNote& note, const COleDateTime& t) {
    if (note.m_bRemind || t.GetStatus() != COleDateTime::valid) return false;
    if (const CRecurringNote* series = Series(note))
        if (series->m_nRepeatUnit == kRepeatMinute || series->m_nRepeatUnit == kRepeatHour)
            return false;
    return t.GetHour() == 0 && t.GetMinute() == 0 && t.GetSecond() <= kUntimedSeconds;
}
