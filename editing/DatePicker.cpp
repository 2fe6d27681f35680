#include "editing/DatePicker.h"

#include "zadad/Utility.h"

#include <QLocale>

#include <algorithm>

namespace {

constexpr int kArrowRoom = 40;

} // namespace

CDatePicker::CDatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    // The user's short date, always with the full year: the range spans centuries.
    QString format = locale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    setDisplayFormat(format);
    // Wide enough for the longest date of the format, with room for the arrow.
    int widest = 0;
    for (int month = 1; month <= 12; ++month)
        widest = std::max(widest, fontMetrics().horizontalAdvance(
                                      locale().toString(QDate(2088, month, 28), format)));
    setMinimumWidth(widest + kArrowRoom);
    setDateRange(ToQDate(CUtility::MinDate), ToQDate(CUtility::MaxDate));
}

void CDatePicker::SetDate(const COleDateTime& date) {
    const QDate day = ToQDate(date);
    setDate(day.isValid() ? day : minimumDate());
}

COleDateTime CDatePicker::GetDate() const {
    return FromQDate(date());
}

QDate CDatePicker::ToQDate(const COleDateTime& date) {
    if (date.GetStatus() != COleDateTime::valid || date.GetYear() < 0) return {};
    return QDate(date.GetYear(), date.GetMonth(), date.GetDay());
}

COleDateTime CDatePicker::FromQDate(const QDate& date) {
    return COleDateTime(date.year(), date.month(), date.day(), 0, 0, 0);
}
