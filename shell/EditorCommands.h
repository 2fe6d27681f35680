#pragma once
// The tray's commands that open the note editor and the options sheet, and
// the note windows' "Properties": one object installs them when the program
// starts, so every way into the editor goes through the same router.

#include "editing/NoteEditRouter.h"

class CNoteWindowManager;
class QWidget;
class CTrayWnd;

class CEditorCommands {
public:
    // windows may be null while the program has no note windows of its own.
    CEditorCommands(CTrayWnd& tray, CNoteWindowManager* windows);
    CEditorCommands(const CEditorCommands&) = delete;
    CEditorCommands& operator=(const CEditorCommands&) = delete;

    CNoteEditRouter& Router() { return m_router; }

    // "New Note", the icon's double-click and Shift-click.
    void NewNote();
    // "Options", over parent. After OK the data file has been written and
    // read again: the notes that sit on the desktop come back as the new
    // objects, and the result is true. When it could not be written, the new
    // settings wait for the next save.
    bool RunOptions(QWidget* parent = nullptr);

private:
    CTrayWnd& m_tray;
    CNoteEditRouter m_router;
};
