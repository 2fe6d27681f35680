#pragma once
// The commands of the tray menu, as actions that the menu and the window
// used without a notification area share: their texts, icons and what they
// do. Commands whose windows are not there yet stay disabled.

#include <QObject>

#include <map>

class CTrayWnd;
class QAction;

enum TrayCommand : int {
    kCmdExit = 32792,
    kCmdContents = 32794,
    kCmdNewNote = 32798,
    kCmdImportNotes = 32799,
    kCmdExportNotes = 32800,
    kCmdHomePage = 32802,
    kCmdAbout = 32803,
    kCmdOptions = 32804,
    kCmdCalendar = 32807,
    kCmdExportCalendar = 32808,
    kCmdImportCalendar = 32809,
};

class CTrayCommands : public QObject {
    Q_OBJECT
public:
    // The manual's file name.
    static constexpr const char* kManualName = "Orrindale.html";

    explicit CTrayCommands(CTrayWnd& tray);

    // The action of a command; its data is the command (the string number of its text).
    QAction* Action(int command) const;
    // Enables the commands whose windows exist.
    void UpdateEnabled();

    // Where the manual is looked for.
    static QString ManualPath();

    void Contents();
    void HomePage();
    void About();
    void ExportNotes();
    void ImportNotes();
    void ExportCalendar();
    void ImportCalendar();

private:
    void AddAction(int command, unsigned iconID, void (CTrayCommands::*run)());

    CTrayWnd& m_tray;
    std::map<int, QAction*> m_actions;
};
