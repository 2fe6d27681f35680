#include "reminders/Countdown.h"

#include "res/StringTable.h"
#include "store/NoteCasts.h"
#include "zadad/Utility.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr long long kSecondsPerDay = 86400;
// Far beyond any date a note can hold; keeps every count inside its integer.
constexpr double kMaxSpanDays = 1e7;

void AppendCount(std::string& text, const char* format, long long value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    text += buffer;
}

} // namespace

bool CCountdown::IsShown(const CNote& note) {
    return note.m_nType != kNoteMemo && note.m_bShowCountdown && !note.m_bAlarmActive;
}

std::string CCountdown::GetText(const CNote& note, const COleDateTime& now) {
    if (!IsShown(note)) return std::string();
    if (note.m_bHistory) return FormatHistory(note.m_dtEnd);
    const COneTimeNote* timed = AsOneTime(note);
    if (!timed || timed->m_dtOccurrence.GetStatus() != COleDateTime::valid ||
        now.GetStatus() != COleDateTime::valid)
        return std::string();
    return FormatSpan((timed->m_dtOccurrence - now).GetTotalDays(), note.m_nCountdownParts);
}

std::string CCountdown::FormatHistory(const COleDateTime& acknowledged) {
    std::string text = LoadString(IDS_HISTORY) + "  ";
    if (acknowledged.GetStatus() != COleDateTime::valid) return text;
    text += acknowledged.Format("%x");
    // The time only when there is one: a date at midnight reads as the date.
    if (acknowledged.GetHour() != 0 || acknowledged.GetMinute() != 0 ||
        acknowledged.GetSecond() != 0) {
        text += ' ';
        text += acknowledged.Format(CUtility::GetLocalTimeFormat(1).c_str());
    }
    return text;
}

std::string CCountdown::FormatSpan(double spanDays, int parts) {
    if (std::isnan(spanDays)) return std::string();
    const double span = std::fmax(-kMaxSpanDays, std::fmin(spanDays, kMaxSpanDays));
    // Both times are whole seconds, but as fractions of a day they carry a
    // little error; rounding gives back the whole seconds between them, so
    // the occurrence itself reads 00:00:00 and one second after it is past.
    long long seconds = std::llround(span * kSecondsPerDay);
    if (seconds < 0) return LoadString(IDS_EXPIRED);

    // With hours, minutes and seconds all asked for, the clock part reads
    // " hh:mm:ss"; otherwise every part is spelt out.
    const bool compact = (parts & 7) == 7;
    std::string text;
    if (parts & kDays) {
        const long long days = seconds / kSecondsPerDay;
        seconds -= days * kSecondsPerDay;
        if (days != 0) {
            AppendCount(text, " %lld", days);
            text += " day";
            text += days >= 2 ? "s " : " ";
        } else if (parts == kDays) {
            return " < 1 day"; // days alone, and less than one
        }
    }
    if (parts & kHours) {
        const long long hours = seconds / 3600;
        seconds -= hours * 3600;
        if (parts == kHours && hours == 0) {
            return " < 1 hour";
        } else if (compact) {
            AppendCount(text, " %02lld:", hours);
        } else {
            AppendCount(text, " %lld", hours);
            text += " Hour";
            if (hours >= 2) text += "s";
        }
    }
    if (parts & kMinutes) {
        const long long minutes = seconds / 60;
        seconds -= minutes * 60;
        if (parts == kMinutes && minutes == 0) {
            return " < 1 minute";
        } else if (compact) {
            AppendCount(text, "%02lld:", minutes);
        } else {
            AppendCount(text, " %lld", minutes);
            text += " Min";
            if (minutes >= 2) text += "s";
        }
    }
    if (parts & kSeconds) {
        if (compact) {
            AppendCount(text, "%02lld", seconds);
        } else {
            AppendCount(text, " %lld", seconds);
            text += " Secs";
        }
    }
    return text;
}
