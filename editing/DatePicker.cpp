#include "editing/DatePicker.h"

#include "zadad/Utility.h"

#include <QLocale>

CDatePicker::CDatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    // The user's short date, always with the full year: the range spans centuries.
    QString format = locale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    setDisplayFormat(format);
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
