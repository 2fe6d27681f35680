#pragma once
// How a row of the notes list is drawn: the note's image before the "Time"
// text, texts on one line, centred in height and cut with an ellipsis; a
// selected row in the light text on the note windows' title colour, other
// rows on the page colour in the user's text colour, reminders a little bluer.

#include <QStyledItemDelegate>

class CCalendarData;

class CNoteListDelegate : public QStyledItemDelegate {
public:
    CNoteListDelegate(const CCalendarData& data, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const CCalendarData& m_data;
};
