// The note commands of the calendar pane: new, update, clone and delete,
// from the window's toolbar or the cells' menu.
#include "views/CalendarPane.h"

#include "store/CalendarData.h"
#include "store/MessageBox.h"
#include "views/CalendarActions.h"
#include "views/NoteCommandRules.h"

CNote* CalendarPane::SelectedNote() const {
    return m_wSelectedNote != 0 ? m_data.LookupNote(m_wSelectedNote) : nullptr;
}

void CalendarPane::OnCommand(int command) {
    const COleDateTime day = m_grid.SelectedDate();
    switch (command) {
    case kNoteCmdNew:
        EditOrCreate(nullptr, day);
        break;
    case kNoteCmdEdit:
        EditOrCreate(SelectedNote(), day);
        break;
    case kNoteCmdClone:
        CloneSelected();
        break;
    case kNoteCmdDelete:
        DeleteSelected();
        break;
    default:
        break;
    }
}

void CalendarPane::EditOrCreate(CNote* note, const COleDateTime& day) {
    if (note && !CanEditNote(*note)) return;
    const COleDateTime start = NewNoteStart(day, COleDateTime::GetCurrentTime());
    // The editor replaces an edited note by a new object; the pane keeps only its ID.
    if (m_actions.EditNote(note, start, this)) Refresh(true);
}

void CalendarPane::CloneSelected() {
    const CNote* note = SelectedNote();
    if (!note || !CanCloneNote(*note)) return;
    if (!m_data.Clone(*note, 0)) return;
    m_actions.NotesChanged();
    Refresh(true);
}

void CalendarPane::DeleteSelected() {
    const CNote* note = SelectedNote();
    if (!note || !CanDeleteNote(*note)) return;
    const WORD id = static_cast<WORD>(note->m_nID);
    if (CMessageBox::Current().Show(DeleteQuestion(*note), kCaptionWarning,
                                    CMessageBox::kIconInformation,
                                    CMessageBox::kButtonsYesNo) != CMessageBox::kAnswerYes)
        return;
    // The note may have gone or begun to ring while the question was open.
    const CNote* still = m_data.LookupNote(id);
    if (!still || !CanDeleteNote(*still)) return;
    m_data.DeleteNote(id);
    m_wSelectedNote = 0;
    m_nSelectedItem = -1;
    m_actions.NotesChanged();
    Refresh(false);
}
