#include "shell/EditorCommands.h"

#include "options/OptionSheet.h"
#include "reminders/NoteWindowManager.h"
#include "shell/TrayWnd.h"

CEditorCommands::CEditorCommands(CTrayWnd& tray, CNoteWindowManager* windows)
    : m_tray(tray), m_router(tray.Data()) {
    m_tray.SetNoteEditorRunner([this] { NewNote(); });
    m_tray.SetOptionsRunner([this] { RunOptions(); });
    if (windows)
        windows->SetPropertiesRunner(
            [this](CNote& note, QWidget* parent) { return m_router.RunProperties(note, parent); });
}

void CEditorCommands::NewNote() {
    m_router.NewNote();
}

bool CEditorCommands::RunOptions(QWidget* parent) {
    switch (COptionSheet::Run(m_tray.Data(), parent)) {
    case COptionSheet::kCancelled:
        return false;
    case COptionSheet::kSaved:
        m_tray.Reloaded();
        return true;
    case COptionSheet::kNotSaved:
        m_tray.SaveFailed();
        return false;
    }
    return false;
}
