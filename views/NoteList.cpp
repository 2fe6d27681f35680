#include "views/NoteList.h"

#include "res/Resources.h"
#include "store/CalendarData.h"
#include "store/MessageBox.h"
#include "views/CalendarActions.h"
#include "views/NoteCommands.h"
#include "views/NoteListDelegate.h"
#include "views/NoteListModel.h"
#include "views/NoteListRows.h"
#include "views/NoteListRules.h"
#include "views/SortHeaderCtrl.h"
#include "views/ViewColors.h"
#include "zadad/QtTypes.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>

#include <algorithm>
#include <set>

namespace {

// Rows are as tall as a line of text or a note image, whichever is taller, plus this.
constexpr int kRowPadding = 6;

COleDateTime InAnHour() {
    return COleDateTime::GetCurrentTime() + COleDateTimeSpan(0, 1, 0, 0);
}

} // namespace

CNoteList::CNoteList(CCalendarData& data, CCalendarActions& actions, QWidget* parent)
    : QTableView(parent), m_data(data), m_actions(actions), m_pHeader(new CSortHeaderCtrl),
      m_pModel(new CNoteListModel(data, this)),
      m_dragOne(resources::Cursor(resources::kCursorDragNote)),
      m_dragMany(resources::Cursor(resources::kCursorDragNotes)) {
    setModel(m_pModel);
    setHorizontalHeader(m_pHeader);
    SetUpColumns();
    setItemDelegate(new CNoteListDelegate(data, this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setFrameShape(QFrame::NoFrame);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, ToQColor(kPageColor));
    setPalette(colors);
}

void CNoteList::SetUpColumns() {
    m_pHeader->SetBackground("", g_crNoteTitleDefault);
    m_pHeader->setSectionsMovable(false);
    m_pHeader->setStretchLastSection(false);
    m_pHeader->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int line = std::max(fontMetrics().height(), resources::kNoteIconSize);
    verticalHeader()->setDefaultSectionSize(line + kRowPadding);
    LayOutColumns(true);
}

// At the start the "Time" column is as wide as the time now in the period's
// form; once laid out, as wide as its widest text.
void CNoteList::LayOutColumns(bool start) {
    const auto width = [this](const std::string& text) {
        return fontMetrics().horizontalAdvance(QString::fromStdString(text));
    };
    const int client = viewport()->width();
    const std::string& format = NoteListTimeFormat(m_nPeriod);
    const std::array<int, kNoteListColumns> widths =
        start ? NoteListStartWidths(client,
                                    width(COleDateTime::GetCurrentTime().Format(format.c_str())))
              : NoteListWidths(client, std::max(width(kNoteListWidthSample),
                                                width(NoteListTimeSample(m_nPeriod))));
    for (int column = 0; column < kNoteListColumns; ++column)
        m_pHeader->SetItemWidth(column, widths[static_cast<std::size_t>(column)]);
}

void CNoteList::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    LayOutColumns(false);
    m_bLaidOut = true;
}

void CNoteList::Fill(const std::vector<CNote*>& notes, int period) {
    // The "Time" column is measured for the period's form; widths the user
    // set stay while the period does.
    const bool newForm = NoteListPeriod(period) != m_nPeriod;
    m_nPeriod = NoteListPeriod(period);
    m_pModel->SetNotes(notes, m_nPeriod, COleDateTime::GetCurrentTime());
    setShowGrid(!notes.empty());
    m_pHeader->SetBackground("", g_crNoteTitleDefault);
    if (newForm || !m_bLaidOut) LayOutColumns(!m_bLaidOut);
}

int CNoteList::RowCount() const {
    return m_pModel->rowCount();
}

CNote* CNoteList::NoteAt(int row) const {
    return m_pModel->NoteAt(row);
}

QString CNoteList::Text(int row, int column) const {
    return m_pModel->index(row, column).data().toString();
}

std::vector<int> CNoteList::SelectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.insert(index.row());
    return {rows.begin(), rows.end()};
}

void CNoteList::OnCommand(int command) {
    const std::vector<int> rows = SelectedRows();
    CNote* first = rows.empty() ? nullptr : NoteAt(rows.front());
    switch (command) {
    case kNoteCmdNew:
        Edit(nullptr);
        break;
    case kNoteCmdEdit:
        Edit(first);
        break;
    case kNoteCmdClone:
        CloneFirstSelected();
        break;
    case kNoteCmdDelete:
        DeleteSelected();
        break;
    default:
        break;
    }
}

void CNoteList::FillMenu(QMenu& menu) {
    const std::vector<int> rows = SelectedRows();
    const CNote* first = rows.empty() ? nullptr : NoteAt(rows.front());
    for (const NoteMenuEntry& entry : NoteListMenu(first)) {
        const int command = entry.nCommand;
        menu.addAction(QString::fromStdString(entry.strText), this,
                       [this, command] { OnCommand(command); });
    }
}

// A new note starts an hour from now; "Update" without a selection is one too.
void CNoteList::Edit(CNote* note) {
    if (note && !CanEditNote(*note)) return;
    const COleDateTime start = note ? note->m_dtStart : InAnHour();
    if (m_actions.EditNote(note, start, this)) emit RefillRequested();
}

void CNoteList::CloneFirstSelected() {
    const std::vector<int> rows = SelectedRows();
    const CNote* note = rows.empty() ? nullptr : NoteAt(rows.front());
    if (!note || !CanCloneNote(*note)) return;
    if (m_data.Clone(*note, 0)) m_actions.NotesChanged();
    emit RefillRequested();
}

void CNoteList::DeleteSelected() {
    const std::vector<int> rows = SelectedRows();
    if (RowCount() == 0 || rows.empty()) return;
    const std::string question = NoteListDeleteQuestion(static_cast<int>(rows.size()));
    if (CMessageBox::Current().Show(question, kNoteListDeleteCaption, CMessageBox::kIconQuestion,
                                    CMessageBox::kButtonsYesNo) != CMessageBox::kAnswerYes)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int keep = std::max(rows.front() - 1, 0);
    bool deleted = false;
    for (int row : rows) {
        // Looked up again: a note may have begun to ring while the question was open.
        const CNote* note = NoteAt(row);
        if (!note || !CanDeleteNote(*note)) continue;
        m_data.DeleteNote(static_cast<WORD>(note->m_nID));
        deleted = true;
    }
    if (deleted) m_actions.NotesChanged();
    emit RefillRequested();
    QApplication::restoreOverrideCursor();
    if (RowCount() > 0) selectRow(std::min(keep, RowCount() - 1));
}

// Rewrites the moved rows in place; the order stays until the next refill.
void CNoteList::MoveSelected(int days) {
    bool moved = false;
    for (int row : SelectedRows()) {
        CNote* note = NoteAt(row);
        if (!note || !MoveNoteByDays(*note, days)) continue;
        m_pModel->RowChanged(row, COleDateTime::GetCurrentTime());
        moved = true;
    }
    if (!moved) return;
    m_data.FindNextAlarm();
    m_actions.NotesChanged();
}
