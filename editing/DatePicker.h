#pragma once
// A date picker with a drop-down calendar that takes and gives COleDateTime
// values and accepts the program's dates, 2000-01-01 to 2100-01-01.

#include "zadad/OleDateTime.h"

#include <QDateEdit>

class CDatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit CDatePicker(QWidget* parent = nullptr);

    // A date outside the accepted range is put on the nearer end.
    void SetDate(const COleDateTime& date);
    // The chosen day at 00:00.
    COleDateTime GetDate() const;

    static QDate ToQDate(const COleDateTime& date);
    static COleDateTime FromQDate(const QDate& date);
};
