#include "views/NoteListModel.h"

#include "store/CalendarData.h"

CNoteListModel::CNoteListModel(const CCalendarData& data, QObject* parent)
    : QAbstractTableModel(parent), m_data(data) {}

void CNoteListModel::SetNotes(const std::vector<CNote*>& notes, int period,
                              const COleDateTime& now) {
    beginResetModel();
    m_ids.clear();
    m_ids.reserve(notes.size());
    for (const CNote* note : notes)
        m_ids.push_back(static_cast<WORD>(note->m_nID));
    m_rows.assign(notes.size(), std::nullopt);
    m_nPeriod = period;
    m_now = now;
    endResetModel();
}

CNote* CNoteListModel::NoteAt(int row) const {
    if (row < 0 || row >= rowCount()) return nullptr;
    return m_data.LookupNote(m_ids[static_cast<std::size_t>(row)]);
}

void CNoteListModel::RowChanged(int row, const COleDateTime& now) {
    if (row < 0 || row >= rowCount()) return;
    m_now = now;
    m_rows[static_cast<std::size_t>(row)].reset();
    emit dataChanged(index(row, 0), index(row, kNoteListColumns - 1));
}

const CNoteListRow& CNoteListModel::Row(int row) const {
    std::optional<CNoteListRow>& cached = m_rows[static_cast<std::size_t>(row)];
    if (!cached) {
        const CNote* note = NoteAt(row);
        cached = note ? NoteListRow(*note, m_nPeriod, m_now) : CNoteListRow{};
    }
    return *cached;
}

int CNoteListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_ids.size());
}

int CNoteListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kNoteListColumns;
}

QVariant CNoteListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const CNoteListRow& row = Row(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(row.texts[static_cast<std::size_t>(index.column())]);
    case kNoteIconRole:
        return row.nIcon;
    case kReminderRole:
        return row.bReminderText;
    default:
        return {};
    }
}

QVariant CNoteListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kNoteListColumns)
        return {};
    return QString::fromLatin1(NoteListCaptions()[static_cast<std::size_t>(section)]);
}
