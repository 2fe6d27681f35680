#include "shell/TrayCommands.h"

#include "res/Resources.h"
#include "res/StringTable.h"
#include "shell/AboutDlg.h"
#include "shell/CalendarTransfer.h"
#include "shell/DataTransfer.h"
#include "shell/TrayWnd.h"
#include "store/MessageBox.h"
#include "views/FileDialog.h"
#include "zadad/Utility.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

constexpr int kStringHomePage = 61251;
constexpr unsigned kNoIcon = 0;
const char* const kDataFilter = "Data Files (*.dat *.Dat *.DAT)";
const char* const kCalendarFilter = "iCalendar Files (*.ics)";

// A command's text as a dialog's caption, without the dots of the menu.
QString Caption(int command) {
    QString text = QString::fromStdString(LoadString(command));
    if (text.endsWith(QChar(0x2026))) text.chop(1);
    return text;
}

void Warn(const std::string& text) {
    CMessageBox::Current().Show(text, kCaptionWarning, CMessageBox::kIconWarning,
                                CMessageBox::kButtonsOk);
}

// The tray is busy for as long as this lives, whatever way the command ends.
class CBusyTray {
public:
    explicit CBusyTray(CTrayWnd& tray) : m_tray(tray), m_bBusy(tray.BeginBusy()) {}
    ~CBusyTray() {
        if (m_bBusy) m_tray.EndBusy();
    }
    CBusyTray(const CBusyTray&) = delete;
    CBusyTray& operator=(const CBusyTray&) = delete;
    bool IsBusy() const { return m_bBusy; }

private:
    CTrayWnd& m_tray;
    bool m_bBusy;
};

} // namespace

CTrayCommands::CTrayCommands(CTrayWnd& tray) : QObject(&tray), m_tray(tray) {
    using namespace resources;
    AddAction(kCmdContents, kIconContents, &CTrayCommands::Contents);
    AddAction(kCmdHomePage, kIconHomePage, &CTrayCommands::HomePage);
    AddAction(kCmdAbout, kIconAbout, &CTrayCommands::About);
    AddAction(kCmdExportNotes, kIconExport, &CTrayCommands::ExportNotes);
    AddAction(kCmdImportNotes, kIconImport, &CTrayCommands::ImportNotes);
    AddAction(kCmdExportCalendar, kIconExport, &CTrayCommands::ExportCalendar);
    AddAction(kCmdImportCalendar, kIconImport, &CTrayCommands::ImportCalendar);
    AddAction(kCmdOptions, kIconOptions, nullptr);
    AddAction(kCmdNewNote, kIconNewNote, nullptr);
    AddAction(kCmdCalendar, kIconCalendar, nullptr);
    AddAction(kCmdExit, kNoIcon, nullptr);
    // The commands that open windows of their own go through the tray, which
    // knows whether those windows exist and what the tray state allows.
    connect(Action(kCmdOptions), &QAction::triggered, &tray, &CTrayWnd::Options,
            Qt::QueuedConnection);
    connect(Action(kCmdNewNote), &QAction::triggered, &tray, &CTrayWnd::NewNote,
            Qt::QueuedConnection);
    connect(Action(kCmdCalendar), &QAction::triggered, &tray, &CTrayWnd::OpenCalendar,
            Qt::QueuedConnection);
    connect(
        Action(kCmdExit), &QAction::triggered, &tray, [&tray] { tray.Exit(); },
        Qt::QueuedConnection);
    UpdateEnabled();
}

void CTrayCommands::AddAction(int command, unsigned iconID, void (CTrayCommands::*run)()) {
    auto* action = new QAction(QString::fromStdString(LoadString(command)), this);
    action->setData(command);
    if (iconID != kNoIcon) action->setIcon(resources::Icon(iconID));
    // Queued: a command runs once the menu has closed, never inside its loop.
    if (run) connect(action, &QAction::triggered, this, run, Qt::QueuedConnection);
    m_actions[command] = action;
}

QAction* CTrayCommands::Action(int command) const {
    const auto found = m_actions.find(command);
    return found == m_actions.end() ? nullptr : found->second;
}

void CTrayCommands::UpdateEnabled() {
    Action(kCmdOptions)->setEnabled(m_tray.HasOptions());
    Action(kCmdNewNote)->setEnabled(m_tray.HasNoteEditor());
    Action(kCmdCalendar)->setEnabled(m_tray.HasCalendar());
}

QString CTrayCommands::ManualPath() {
    // With the other documentation, under share/doc/orrindale.
    return QString::fromStdString(
        CUtility::GetDeliveredFile(std::string("doc/orrindale/") + kManualName));
}

void CTrayCommands::Contents() {
    const QString manual = ManualPath();
    if (!QFileInfo::exists(manual)) {
        Warn("The manual " + manual.toStdString() + " is missing.");
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(manual)))
        Warn("No program could be found to show " + manual.toStdString() + ".");
}

void CTrayCommands::HomePage() {
    const std::string address = LoadString(kStringHomePage);
    if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(address))))
        Warn("No web browser could be found to show " + address + ".");
}

void CTrayCommands::About() {
    CAboutDlg about;
    about.exec();
}

void CTrayCommands::ExportNotes() {
    const CBusyTray busy(m_tray);
    if (!busy.IsBusy()) return;
    const QString target = CFileDialog::GetSaveFileName(
        nullptr, QString::fromStdString(LoadString(kCmdExportNotes)), QStringLiteral("Note.Dat"),
        QLatin1String(kDataFilter), QStringLiteral("Dat"));
    if (target.isEmpty() || m_tray.IsClosing()) return;
    if (CDataTransfer::Export(m_tray.Data(), target.toStdString())) m_tray.Saved();
}

void CTrayCommands::ImportNotes() {
    const CBusyTray busy(m_tray);
    if (!busy.IsBusy() || !CDataTransfer::ConfirmReplace()) return;
    const QString source =
        CFileDialog::GetOpenFileName(nullptr, QString::fromStdString(LoadString(kCmdImportNotes)),
                                     QStringLiteral("Note.Dat"), QLatin1String(kDataFilter));
    if (source.isEmpty() || m_tray.IsClosing()) return;
    // Changes not yet written go into the file that the import keeps aside.
    m_tray.FlushChanges();
    if (CDataTransfer::Import(m_tray.Data(), source.toStdString())) m_tray.Reloaded();
}

void CTrayCommands::ExportCalendar() {
    const CBusyTray busy(m_tray);
    if (!busy.IsBusy()) return;
    const QString target = CFileDialog::GetSaveFileName(
        nullptr, Caption(kCmdExportCalendar), QStringLiteral("Orrindale.ics"),
        QLatin1String(kCalendarFilter), QStringLiteral("ics"));
    if (target.isEmpty() || m_tray.IsClosing()) return;
    CCalendarTransfer::Export(m_tray.Data(), target.toStdString());
}

void CTrayCommands::ImportCalendar() {
    const CBusyTray busy(m_tray);
    if (!busy.IsBusy()) return;
    const QString source = CFileDialog::GetOpenFileName(nullptr, Caption(kCmdImportCalendar),
                                                        QString(), QLatin1String(kCalendarFilter));
    if (source.isEmpty() || m_tray.IsClosing()) return;
    // The added notes are saved soon, like any other change.
    if (CCalendarTransfer::Import(m_tray.Data(), source.toStdString()) > 0) m_tray.NotesChanged();
}
