#include "zadad/HolidayRules.h"

#include "zadad/Utility.h"

#include <climits>
#include <cstdlib>

namespace {

constexpr char kSeparator = '`';
constexpr int kFriday = 6;
constexpr int kMonday = 2;
constexpr int kTuesday = 3;
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;

// Field index of a backtick-separated line; past the end it is empty.
std::string ExtractField(const std::string& line, int index) {
    std::string::size_type start = 0;
    for (int i = 0; i < index; ++i) {
        start = line.find(kSeparator, start);
        if (start == std::string::npos) return std::string();
        ++start;
    }
    const std::string::size_type end = line.find(kSeparator, start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// atoi as the file was always read (blanks, a sign, digits up to the first
// non-digit, 0 without any), but a number too large for an int stops at the
// int's limit instead of being undefined.
int ReadInt(const std::string& field) {
    const long value = std::strtol(field.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int ReadFlag(const std::string& field) {
    return field == "1" ? 1 : 0;
}

// Steps day by day (at most a week) until the day of the week is wanted.
COleDateTime StepToWeekday(COleDateTime date, int wanted, bool forward) {
    for (int i = 0; i < 7 && date.GetStatus() == COleDateTime::valid; ++i) {
        if (date.GetDayOfWeek() == wanted) return date;
        date += forward ? CUtility::OneDay : -CUtility::OneDay;
    }
    return date;
}

} // namespace

int CHolidayRules::ParseHolidayString(std::string line, int& isDated, std::string& name,
                                      std::string& description, int& month, int& day, int& interval,
                                      int& byWeekday, int& weekday, int& weekOrdinal,
                                      int& ruleMonth, int& active) {
    const std::string first = ExtractField(line, 0);
    isDated = first == "YEAR" ? 1 : 0;
    if (isDated) {
        month = ReadInt(ExtractField(line, 1));
        day = ReadInt(ExtractField(line, 2));
        name = ExtractField(line, 3);
        description = ExtractField(line, 4);
        interval = ReadInt(ExtractField(line, 5));
        byWeekday = ReadFlag(ExtractField(line, 6));
        weekday = ReadInt(ExtractField(line, 7));
        weekOrdinal = ReadInt(ExtractField(line, 8));
        ruleMonth = ReadInt(ExtractField(line, 9));
        active = ReadFlag(ExtractField(line, 10));
        return 1;
    }
    name = first;
    if (!IsSpecialHoliday(name)) return 0;
    description = ExtractField(line, 1);
    active = ReadFlag(ExtractField(line, 2));
    return 1;
}

int CHolidayRules::IsSpecialHoliday(std::string& name) {
    return name == "EASTER" || name == "GOOD FRIDAY" || name == "ELECTION DAY" ? 1 : 0;
}

COleDateTime CHolidayRules::GetEaster(int year) {
    // Years a date cannot hold would only overflow the arithmetic below.
    if (year < kFirstYear || year > kLastYear) {
        COleDateTime outside;
        outside.SetStatus(COleDateTime::invalid);
        return outside;
    }
    // Gregorian computus in whole numbers; I corrects H for the two
    // exceptional cases (epact 24 and epact 25 with the golden number above 11).
    const int g = year % 19;
    const int c = year / 100;
    const int h = (19 * g + c - c / 4 - (c - (c - 17) / 25) / 3 + 15) % 30;
    const int i = h - (h / 28) * (1 - (h / 28) * (29 / (h + 1)) * ((21 - g) / 11));
    const int j = (year + year / 4 + i + 2 - c + c / 4) % 7;
    const int l = i - j;
    const int month = 3 + (l + 40) / 44;
    const int day = l + 28 - 31 * (month / 4);
    return COleDateTime(year, month, day, 0, 0, 0);
}

COleDateTime CHolidayRules::GetGoodFriday(int year) {
    return StepToWeekday(GetEaster(year), kFriday, false);
}

COleDateTime CHolidayRules::GetElectionDay(int year) {
    const COleDateTime firstMonday =
        StepToWeekday(COleDateTime(year, 11, 1, 0, 0, 0), kMonday, true);
    return StepToWeekday(firstMonday, kTuesday, true);
}
