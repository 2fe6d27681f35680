#include "editing/NoteEditRouter.h"

#include "editing/NoteEditDlg.h"
#include "editing/NoteEditSession.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/NoteWnd.h"
#include "store/Note.h"
#include "zadad/Utility.h"

int CNoteEditRouter::EditNote(CNote* note, QWidget* parent, const COleDateTime& date,
                              BOOL fromWindow) {
    if (note && note->m_bOnDesktop && !fromWindow) {
        if (CNoteWnd* window = CNoteWindowManager::WindowOf(*note)) {
            m_nWindowResult = QDialog::Rejected;
            window->RunCommand(CNoteWnd::kCmdProperties);
            return m_nWindowResult;
        }
    }
    bool replaced = false;
    return RunEditor(note, parent, date, replaced);
}

int CNoteEditRouter::NewNote(QWidget* parent) {
    return EditNote(nullptr, parent, COleDateTime::GetCurrentTime() + CUtility::OneHour, 0);
}

bool CNoteEditRouter::RunProperties(CNote& note, QWidget* parent) {
    bool replaced = false;
    m_nWindowResult = RunEditor(&note, parent, COleDateTime::GetCurrentTime(), replaced);
    return replaced;
}

int CNoteEditRouter::RunEditor(CNote* note, QWidget* parent, const COleDateTime& date,
                               bool& replaced) {
    if (note && !CNoteEditSession::CanEdit(*note)) return QDialog::Rejected;
    CNoteEditDlg editor(&m_data, date, note, parent);
    const int result = editor.exec();
    replaced = editor.Replaced();
    return result;
}
