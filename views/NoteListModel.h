#pragma once
// The rows of the notes list: the IDs of the listed notes in order, their
// texts made when a row is first shown (a list of all notes holds tens of
// thousands) and kept until the notes are listed again. A note gone before
// its row was first shown leaves the row empty.

#include "views/NoteListRows.h"
#include "zadad/WinTypes.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

class CCalendarData;
class CNote;

// What each row keeps beside its texts.
enum NoteListRole : int {
    kNoteIconRole = Qt::UserRole,     // the note's image, -1 for none
    kReminderRole = Qt::UserRole + 1, // drawn in the reminders' colour
};

class CNoteListModel : public QAbstractTableModel {
public:
    CNoteListModel(const CCalendarData& data, QObject* parent);

    // The rows of the notes in the form of the period, their time left counted from now.
    void SetNotes(const std::vector<CNote*>& notes, int period, const COleDateTime& now);
    // The note of a row; null when it has gone.
    CNote* NoteAt(int row) const;
    // The row's note changed: its texts are made again.
    void RowChanged(int row, const COleDateTime& now);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const CNoteListRow& Row(int row) const;

    const CCalendarData& m_data;
    std::vector<WORD> m_ids;
    mutable std::vector<std::optional<CNoteListRow>> m_rows;
    int m_nPeriod = 3;
    COleDateTime m_now;
};
