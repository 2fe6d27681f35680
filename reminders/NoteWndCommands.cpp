// The note menu of a note window and what its commands do.
#include "reminders/AlarmScheduler.h"
#include "reminders/NoteTextFile.h"
#include "reminders/NoteWindowManager.h"
#include "reminders/NoteWnd.h"
#include "reminders/SharedWave.h"
#include "store/CalendarData.h"
#include "views/FileDialog.h"
#include "views/RichTextField.h"

#include <QMenu>
#include <QPointer>

std::unique_ptr<QMenu> CNoteWnd::CreateNoteMenu() {
    auto menu = std::make_unique<QMenu>(this);
    menu->setStyle(&m_menuStyle);
    const auto add = [&menu](const char* text, int command) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setData(command);
        return action;
    };
    add("Delete", kCmdDelete);
    add("Save To File", kCmdSaveToFile);
    add("Properties", kCmdProperties)->setEnabled(m_manager.HasProperties());
    if (m_pNote && m_pNote->m_nType != kNoteMemo) {
        menu->addSeparator();
        add(m_pNote->m_bShowCountdown ? "Hide Countdown" : "Show Countdown", kCmdCountdown);
    }
    return menu;
}

void CNoteWnd::RunCommand(int command) {
    if (!m_pNote || m_bBusy) return;
    switch (command) {
    case kCmdDelete:
        DeleteNote();
        break;
    case kCmdSaveToFile:
        SaveToFile();
        break;
    case kCmdProperties:
        RunProperties();
        break;
    case kCmdCountdown:
        ToggleCountdown();
        break;
    default:
        break;
    }
}

// No question and no history copy: the note is simply gone.
void CNoteWnd::DeleteNote() {
    m_bBusy = true;
    CSharedWave::Stop();
    m_ringTimer.stop();
    EndRinging();
    m_bAlarm = false;
    m_manager.Scheduler().Delete(static_cast<WORD>(m_pNote->m_nID));
    if (m_pNote) { // a note the flows would not delete still loses its window
        m_pNote->m_bOnDesktop = 0;
        Detach();
        Destroy();
    }
    m_bBusy = false;
}

void CNoteWnd::SaveToFile() {
    StoreFields();
    const std::string title = m_pNote->m_strTitle;
    const QPointer<CNoteWnd> self(this);
    const QString path =
        CFileDialog::GetSaveFileName(this, QStringLiteral("Save As"),
                                     QString::fromStdString(CNoteTextFile::SuggestedName(title)),
                                     QStringLiteral("Text Files (*.txt)"), QStringLiteral("txt"));
    if (path.isEmpty() || !self) return;
    CNoteTextFile::Save(path.toStdString(), title, m_pText->GetPlainText());
}

void CNoteWnd::RunProperties() {
    if (!m_manager.HasProperties()) return;
    StoreFields();
    const WORD id = static_cast<WORD>(m_pNote->m_nID);
    m_bPropertiesOpen = true;
    const QPointer<CNoteWnd> self(this);
    const bool replaced = m_manager.RunProperties(*m_pNote, this);
    if (!self) return;
    m_bPropertiesOpen = false;
    if (!replaced) return;
    // The editor put a new note object in the old one's place.
    m_pNote = m_manager.Data().LookupNote(id);
    if (!m_pNote) {
        Destroy();
        return;
    }
    m_pNote->m_pNoteWnd = this;
    m_pNote->m_bOnDesktop = 1;
    m_pNote->m_bHasWindowRect = 1;
    LoadFields();
    LayOut();
    show();
    m_manager.NotesChanged();
}

void CNoteWnd::ToggleCountdown() {
    const bool rolledUp = IsRolledUp();
    m_pNote->m_bShowCountdown = !m_pNote->m_bShowCountdown;
    if (m_pNote->m_bShowCountdown) UpdateCountdown(COleDateTime::GetCurrentTime());
    LayOut();
    // A rolled-up note stays rolled up, at the height of its new content.
    if (rolledUp) resize(width(), RolledUpHeight());
    m_manager.NotesChanged();
}
