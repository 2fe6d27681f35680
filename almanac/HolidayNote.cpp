#include "almanac/HolidayNote.h"

#include "zadad/Utility.h"

namespace {

constexpr int kRuleYear = 2000; // a leap year: 29 February is a valid holiday date
constexpr int kLastYear = 9999;

COleDateTime InvalidDate() {
    COleDateTime none;
    none.SetStatus(COleDateTime::invalid);
    return none;
}

// The rule of a special holiday, by its name; nullptr for any other name.
using RuleFunction = COleDateTime (*)(int);
RuleFunction RuleFor(const std::string& name) {
    if (name == "EASTER") return &CUtility::GetEaster;
    if (name == "GOOD FRIDAY") return &CUtility::GetGoodFriday;
    if (name == "ELECTION DAY") return &CUtility::GetElectionDay;
    return nullptr;
}

} // namespace

CHolidayNote::CHolidayNote() = default;

CHolidayNote::CHolidayNote(const std::string& name, const std::string& description, int month,
                           int day, int interval, BOOL byWeekday, int weekday, int weekOrdinal,
                           int ruleMonth, BOOL active) {
    COleDateTime start(kRuleYear, month, day, 0, 0, 0);
    // A weekday rule does not need the date fields; the yearly walk needs a
    // start it can read.
    if (byWeekday && start.GetStatus() != COleDateTime::valid)
        start = COleDateTime(kRuleYear, 1, 1, 0, 0, 0);
    m_nRepeatEvery = interval;
    m_bByWeekDay = byWeekday;
    m_nWeekDay = weekday;
    m_nWeekOrdinal = weekOrdinal;
    m_nMonth = ruleMonth;
    SetHolidayDefaults(name, description, start, active);
}

CHolidayNote::CHolidayNote(const std::string& name, const std::string& description, BOOL active) {
    m_nSpecial = 1;
    m_nRepeatEvery = 1;
    m_bByWeekDay = 0;
    m_nWeekDay = 0;
    m_nWeekOrdinal = 0;
    m_nMonth = 0;
    SetHolidayDefaults(name, description, COleDateTime(kRuleYear, 1, 1, 0, 0, 0), active);
}

CHolidayNote::CHolidayNote(const CHolidayNote& src) : CHolidayNote() {
    CopyFrom(src);
}

CHolidayNote::~CHolidayNote() = default;

void CHolidayNote::SetHolidayDefaults(const std::string& name, const std::string& description,
                                      const COleDateTime& start, BOOL active) {
    m_nType = kNoteHoliday;
    m_wCategoryID = kHolidayCategory;
    m_strTitle = name;
    m_strText = description;
    m_dtStart = start;
    m_dtAlarm = start;
    m_dtLastOccurrence = start;
    m_nRepeatUnit = kRepeatYear;
    m_bActive = active;
    m_nRemindDays = 0;
    m_nReserved2 = 0;
    m_bRemind = 0;
    m_dtOccurrence = start;
    m_dtOccurrence = CHolidayNote::GetNextOccurrence(COleDateTime::GetCurrentTime(), 0);
}

std::unique_ptr<CHolidayNote> CHolidayNote::FromLine(const std::string& line) {
    int isDated = 0, month = 0, day = 0, interval = 0, byWeekday = 0, weekday = 0, weekOrdinal = 0,
        ruleMonth = 0, active = 0;
    std::string name, description;
    if (!CUtility::ParseHolidayString(line, isDated, name, description, month, day, interval,
                                      byWeekday, weekday, weekOrdinal, ruleMonth, active))
        return nullptr;
    if (!isDated) return std::make_unique<CHolidayNote>(name, description, active);
    auto holiday =
        std::make_unique<CHolidayNote>(name, description, month, day, interval, byWeekday, weekday,
                                       weekOrdinal, ruleMonth, active);
    // A fixed date that no year has could never be shown.
    if (holiday->m_dtStart.GetStatus() != COleDateTime::valid) return nullptr;
    return holiday;
}

void CHolidayNote::Serialize(CArchive&) {}

std::string CHolidayNote::GetTypeText() const {
    return "Holiday";
}

std::unique_ptr<CNote> CHolidayNote::Clone() const {
    return std::make_unique<CHolidayNote>(*this);
}

void CHolidayNote::CopyFrom(const CNote& src) {
    CRecurringNote::CopyFrom(src);
    // A holiday switched off in the file stays off in its copies.
    if (const CHolidayNote* holiday = AsHoliday(src)) {
        m_nSpecial = holiday->m_nSpecial;
        m_bActive = holiday->m_bActive;
    }
}

COleDateTime CHolidayNote::GetNextOccurrence(const COleDateTime& from, BOOL fromStart) const {
    if (!m_nSpecial) return CRecurringNote::GetNextOccurrence(from, fromStart);
    return NextRuleDate(from);
}

COleDateTime CHolidayNote::NextRuleDate(const COleDateTime& from) const {
    const RuleFunction rule = RuleFor(m_strTitle);
    if (!rule || from.GetStatus() != COleDateTime::valid) return InvalidDate();
    for (int year = from.GetYear(); year <= kLastYear; ++year) {
        const COleDateTime date = rule(year);
        if (date >= from) return date;
    }
    return InvalidDate();
}
