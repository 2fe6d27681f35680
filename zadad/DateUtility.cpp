#include "zadad/DateUtility.h"

#include "zadad/Archive.h"

#include <ctime>
#include <langinfo.h>
#include <locale.h>
#include <string_view>

void CDateUtility::GetStartOfDay(COleDateTime& dt) {
    dt.SetDateTime(dt.GetYear(), dt.GetMonth(), dt.GetDay(), 0, 0, 0);
}

int CDateUtility::IsSameDate(COleDateTime a, COleDateTime b) {
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay()
               ? 1
               : 0;
}

COleDateTime CDateUtility::GetLastDayOfMonth(int year, int month) {
    COleDateTime firstOfNext;
    if (month < 1 || month > 12) {
        firstOfNext.SetStatus(COleDateTime::invalid);
        return firstOfNext;
    }
    if (month == 12)
        firstOfNext.SetDateTime(year + 1, 1, 1, 0, 0, 0);
    else
        firstOfNext.SetDateTime(year, month + 1, 1, 0, 0, 0);
    return firstOfNext - OneDay;
}

int CDateUtility::IsInSaveWeek(COleDateTime a, COleDateTime b, int weekStartsSunday) {
    const COleDateTime early = a < b ? a : b;
    const COleDateTime late = a > b ? a : b;
    if (late - early > SevenDay) return 0;
    const int w = early.GetDayOfWeek(); // 1 = Sunday
    int daysToWeekEnd = 0;
    if (weekStartsSunday)
        daysToWeekEnd = 7 - w;
    else
        daysToWeekEnd = w == 1 ? 0 : 8 - w;
    const COleDateTime end = early + COleDateTimeSpan(static_cast<double>(daysToWeekEnd));
    return end > late ? 1 : IsSameDate(end, late);
}

void CDateUtility::GetLocalTimeSetting(double& zoneHours, int& daylight) {
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // timezone is the standard-time offset in seconds west of UTC.
    zoneHours = -static_cast<double>(timezone) / 3600.0;
    daylight = local.tm_isdst > 0 ? 1 : 0;
}

bool dateutility_detail::UsesTwelveHourClock(std::string_view timeFormat) {
    return timeFormat.find("%I") != std::string_view::npos ||
           timeFormat.find("%l") != std::string_view::npos ||
           timeFormat.find("%r") != std::string_view::npos;
}

namespace {
// Whether the user's LC_TIME locale shows a 12-hour clock; false when the
// locale cannot be opened.
bool LocaleUsesTwelveHourClock() {
    locale_t loc = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return false;
    const bool twelve = dateutility_detail::UsesTwelveHourClock(nl_langinfo_l(T_FMT, loc));
    freelocale(loc);
    return twelve;
}
} // namespace

std::string CDateUtility::GetLocalTimeFormat(int withSeconds) {
    if (LocaleUsesTwelveHourClock()) return withSeconds ? "%#I:%M:%S %p" : "%#I:%M %p";
    return withSeconds ? "%#H:%M:%S" : "%#H:%M";
}

void CDateUtility::SerializeFont(CArchive& ar, LOGFONT& lf) {
    if (ar.IsStoring()) {
        ar << lf.lfHeight << lf.lfWidth << lf.lfEscapement << lf.lfOrientation << lf.lfWeight;
        ar << lf.lfItalic << lf.lfUnderline << lf.lfStrikeOut << lf.lfCharSet;
        ar << lf.lfOutPrecision << lf.lfClipPrecision << lf.lfQuality << lf.lfPitchAndFamily;
        ar << lf.FaceName();
        return;
    }
    ar >> lf.lfHeight >> lf.lfWidth >> lf.lfEscapement >> lf.lfOrientation >> lf.lfWeight;
    ar >> lf.lfItalic >> lf.lfUnderline >> lf.lfStrikeOut >> lf.lfCharSet;
    ar >> lf.lfOutPrecision >> lf.lfClipPrecision >> lf.lfQuality >> lf.lfPitchAndFamily;
    std::string face;
    ar >> face;
    lf.SetFaceName(face); // a name of 32 or more bytes is cut to 31
}
