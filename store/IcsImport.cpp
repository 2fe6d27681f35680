#include "store/IcsImport.h"

#include "store/CalendarData.h"
#include "store/IcalHandle.h"
#include "store/IcsRule.h"
#include "store/NoteCasts.h"
#include "zadad/TextCodec.h"

#include <QString>

#include <algorithm>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr int kLastCategoryID = 0xFFFF; // notes keep the ID in 16 bits

// A value libical cannot read in one of these costs an event its dates or
// its rule. Elsewhere (a time stamp, an unknown property) it costs nothing
// the program keeps.
const char* const kNeededProperties[] = {"DTSTART", "DTEND",  "DURATION", "RRULE",
                                         "RDATE",   "EXDATE", "TRIGGER",  "RECURRENCE-ID"};

bool Prepare(std::string_view text, std::string& clean, std::string& problem) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    if (text.find('\0') != std::string_view::npos) {
        problem = "it holds binary data, not text";
        return false;
    }
    // Calendars are UTF-8; older programs wrote their own code page.
    clean = textcodec::IsValidUtf8(text) ? std::string(text) : textcodec::Windows1252ToUtf8(text);
    return true;
}

std::vector<icalcomponent*> Calendars(icalcomponent* root) {
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) return {root};
    std::vector<icalcomponent*> calendars;
    if (icalcomponent_isa(root) != ICAL_XROOT_COMPONENT) return calendars;
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        calendars.push_back(c);
    return calendars;
}

bool CostsAnEvent(icalparameter_xlicerrortype type, const std::string& text) {
    if (type == ICAL_XLICERRORTYPE_COMPONENTPARSEERROR) return true;
    if (type != ICAL_XLICERRORTYPE_VALUEPARSEERROR) return false;
    return std::any_of(
        std::begin(kNeededProperties), std::end(kNeededProperties), [&text](const char* name) {
            return text.find(std::string(" ") + name + " property") != std::string::npos;
        });
}

// libical's own words, without its note on what it did about the error.
std::string Tidied(std::string text) {
    const auto removing = text.find(". Removing entire property");
    if (removing != std::string::npos)
        text.replace(removing, text.find(':', removing) - removing, "");
    return text;
}

// The first error libical found in component or below it that costs an event.
std::optional<std::string> FirstDamage(icalcomponent* component) {
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
        icalparameter* type = icalproperty_get_first_parameter(p, ICAL_XLICERRORTYPE_PARAMETER);
        const char* text = icalproperty_get_xlicerror(p);
        const std::string said = text ? text : "";
        if (type && CostsAnEvent(icalparameter_get_xlicerrortype(type), said)) return Tidied(said);
    }
    for (icalcomponent* c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(c);
        if (kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VALARM_COMPONENT) continue;
        if (auto damage = FirstDamage(c)) return damage;
    }
    return std::nullopt;
}

// What makes two notes the same for an import: kind of note, title, where
// the series starts and how it repeats.
using NoteKey = std::tuple<bool, std::string, double, int, int, int, int, int>;

NoteKey KeyOf(const CNote& note) {
    const CRecurringNote* series = note.m_nType == kNoteRecurring ? AsRecurring(note) : nullptr;
    if (!series) return {false, note.m_strTitle, note.m_dtStart.m_dt, 0, 0, 0, 0, 0};
    const bool byWeekDay = series->m_bByWeekDay != 0;
    return {true,
            note.m_strTitle,
            icsrule::SeriesStart(*series).m_dt,
            series->m_nRepeatUnit,
            series->m_nRepeatEvery,
            byWeekDay ? series->m_nWeekDay : 0,
            byWeekDay ? series->m_nWeekOrdinal : 0,
            byWeekDay && series->m_nRepeatUnit == kRepeatYear ? series->m_nMonth : 0};
}

class CAdder {
public:
    CAdder(CCalendarData& data, CIcsImportResult& result) : m_data(data), m_result(result) {
        for (const auto& entry : data.m_noteManager.Notes())
            if (!entry.second->m_bHistory) m_keys.insert(KeyOf(*entry.second));
    }

    void Add(CIcsEvent& event) {
        if (!event.m_pNote) return Count(event.m_losses);
        const NoteKey key = KeyOf(*event.m_pNote);
        if (m_keys.contains(key)) return Count({IcsLoss::kAlreadyThere});
        Count(event.m_losses);
        event.m_pNote->m_wCategoryID = CategoryFor(event.m_strCategory);
        if (!m_data.m_noteManager.Add(std::move(event.m_pNote))) return Count({IcsLoss::kNoRoom});
        m_keys.insert(key);
        ++m_result.m_nAdded;
    }

private:
    void Count(const std::set<IcsLoss>& losses) {
        for (const IcsLoss loss : losses)
            ++m_result.m_losses[loss];
    }

    WORD CategoryFor(const std::string& name) {
        if (name.empty()) return 0;
        const QString wanted = QString::fromStdString(name);
        int highest = 0;
        for (const CCategory& category : m_data.m_arrCategories) {
            highest = std::max(highest, category.m_nID);
            if (category.m_nID != 0 &&
                QString::fromStdString(category.m_strName).compare(wanted, Qt::CaseInsensitive) ==
                    0)
                return static_cast<WORD>(category.m_nID);
        }
        const int id = std::max(m_data.m_nNextCategoryID, highest + 1);
        if (id > kLastCategoryID) return 0;
        m_data.m_arrCategories.emplace_back(id, name);
        m_data.m_nNextCategoryID = id + 1;
        m_result.m_newCategories.push_back(name);
        return static_cast<WORD>(id);
    }

    CCalendarData& m_data;
    CIcsImportResult& m_result;
    std::set<NoteKey> m_keys;
};

} // namespace

CIcsImportResult CIcsImport::Import(CCalendarData& data, std::string_view text,
                                    const CIcsEventReader::NoteText& noteText) {
    CIcsImportResult result;
    std::string clean;
    if (!Prepare(text, clean, result.m_strProblem)) return result;
    const IcalComponentPtr root(icalparser_parse_string(clean.c_str()));
    const std::vector<icalcomponent*> calendars =
        root ? Calendars(root.get()) : std::vector<icalcomponent*>();
    if (calendars.empty()) {
        result.m_strProblem = "it is no iCalendar file, or it is cut short";
        return result;
    }
    for (icalcomponent* calendar : calendars)
        if (auto damage = FirstDamage(calendar)) {
            result.m_strProblem = *damage;
            return result;
        }
    // Every event is read before the first one is added.
    const COleDateTime now = COleDateTime::GetCurrentTime();
    std::vector<CIcsEvent> events;
    CIcsEventReader::WalkBudget budget;
    for (icalcomponent* calendar : calendars)
        for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
            const icalcomponent_kind kind = icalcomponent_isa(c);
            if (kind == ICAL_VEVENT_COMPONENT)
                events.push_back(CIcsEventReader::Read(c, noteText, now, budget));
            else if (kind == ICAL_VTODO_COMPONENT || kind == ICAL_VJOURNAL_COMPONENT)
                events.push_back(CIcsEvent{nullptr, {}, {IcsLoss::kOtherComponents}});
        }
    result.m_bRead = true;
    CAdder adder(data, result);
    for (CIcsEvent& event : events)
        adder.Add(event);
    return result;
}
