#include "views/NoteListRows.h"

#include "store/NoteCasts.h"
#include "store/NoteManager.h"
#include "store/TimeFormats.h"

#include <algorithm>

namespace {

// Room for the icon beside the "Time" text, and the least a title gets.
constexpr int kTimePadding = 32;
constexpr int kMinNoteWidth = 180;
// What the other columns take from the title, at the start and later; the
// "Time Left" column starts narrower than it is laid out afterwards.
constexpr int kStartOthers = 140;
constexpr int kOthers = 160;
constexpr int kStartTimeLeftWidth = 60;
constexpr int kTimeLeftWidth = 80;
constexpr int kTypeWidth = 80;

std::string TimeText(const CNote& note, int period) {
    const COleDateTime date = CNoteManager::GetListDate(note);
    if (note.m_nType == kNoteHoliday) return date.Format("%x");
    return date.Format(NoteListTimeFormat(period).c_str());
}

std::string TimeLeftText(const CNote& note, const COleDateTime& now) {
    if (note.m_nType == kNoteMemo) return {};
    const COneTimeNote* timed = AsOneTime(note);
    return timed ? note.GetTimeLeftText((timed->m_dtOccurrence - now).GetTotalDays()) : "";
}

std::string TypeText(const CNote& note) {
    switch (note.m_nType) {
    case kNoteMemo:
    case kNoteOneTime:
    case kNoteRecurring:
    case kNoteHoliday:
        return note.GetTypeText();
    default:
        return {};
    }
}

std::array<int, kNoteListColumns> Widths(int clientWidth, int timeTextWidth, int others,
                                         int timeLeft) {
    const int time = timeTextWidth + kTimePadding;
    return {time, std::max(clientWidth - time - others, kMinNoteWidth), timeLeft, kTypeWidth};
}

} // namespace

const std::array<const char*, kNoteListColumns>& NoteListCaptions() {
    static const std::array<const char*, kNoteListColumns> captions = {"Time", "Note", "Time Left",
                                                                       "Type"};
    return captions;
}

int NoteListPeriod(int filter) {
    return filter >= kRangeToday && filter <= kRangeAll ? filter : kRangeAll;
}

const std::string& NoteListTimeFormat(int period) {
    switch (NoteListPeriod(period)) {
    case kRangeToday:
        return g_strTimeFormat;
    case kRangeWeek:
        return g_strWeekdayTimeFormat;
    case kRangeMonth:
        return g_strDayTimeFormat;
    default:
        return g_strDateTimeFormat;
    }
}

CNoteListRow NoteListRow(const CNote& note, int period, const COleDateTime& now) {
    CNoteListRow row;
    row.texts = {TimeText(note, period), note.m_strTitle, TimeLeftText(note, now), TypeText(note)};
    row.nIcon = note.GetIconIndex();
    row.bReminderText = note.m_bRemind && !note.m_bHistory;
    return row;
}

std::array<int, kNoteListColumns> NoteListStartWidths(int clientWidth, int timeTextWidth) {
    return Widths(clientWidth, timeTextWidth, kStartOthers, kStartTimeLeftWidth);
}

std::array<int, kNoteListColumns> NoteListWidths(int clientWidth, int timeTextWidth) {
    return Widths(clientWidth, timeTextWidth, kOthers, kTimeLeftWidth);
}

std::string NoteListTimeSample(int period) {
    // A Wednesday late in the evening near the end of the year: the widest
    // weekday, hour, day and month.
    return COleDateTime(2026, 12, 30, 22, 58, 0).Format(NoteListTimeFormat(period).c_str());
}
