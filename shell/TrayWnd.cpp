#include "shell/TrayWnd.h"

#include "almanac/HolidayList.h"
#include "almanac/StartingHolidays.h"
#include "reminders/NoteWindows.h"
#include "res/Resources.h"
#include "res/StringTable.h"
#include "shell/CommandLine.h"
#include "shell/CommandWnd.h"
#include "shell/LogoDlg.h"
#include "shell/StartupLog.h"
#include "shell/TrayCommands.h"
#include "shell/TrayIconHost.h"
#include "shell/TrayMenu.h"
#include "store/ProgramFlags.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QMenu>
#include <QPainter>

CTrayWnd::CTrayWnd(std::unique_ptr<CTrayIconHost> icon, QObject* parent)
    : QObject(parent), m_scheduler(m_data),
      m_autoSave([this] { return Save(); }), m_dispatcher(*this), m_icon(std::move(icon)) {
    // Every load reads "Holiday.txt" into the emptied note manager first.
    CHolidayList::Attach(m_data);
    m_scheduler.SetChangeHandler([this] { NotesChanged(); });
    m_commands = new CTrayCommands(*this);
    m_runLogo = [] {
        CStartupLog::Mark("logo");
        CLogoDlg logo;
        logo.exec();
    };
    m_alarmTimer.setInterval(kAlarmTickMs);
    connect(&m_alarmTimer, &QTimer::timeout, this, &CTrayWnd::Tick);
    // The single click waits for the double-click time, and keeps waiting
    // (the timer repeats) while the tray is busy.
    m_clickTimer.setInterval(QApplication::doubleClickInterval());
    connect(&m_clickTimer, &QTimer::timeout, this, [this] { m_dispatcher.ClickTimer(); });
    ConnectIcon();
}

CTrayWnd::~CTrayWnd() {
    // Ended some other way than Exit: the data is still saved on the way out.
    if (!IsClosing()) {
        m_icon->Remove();
        if (m_bLoaded) m_data.Save();
    }
}

void CTrayWnd::ConnectIcon() {
    connect(m_icon.get(), &CTrayIconHost::Clicked, this,
            [this](int modifier) { m_dispatcher.IconClicked(modifier); });
    connect(m_icon.get(), &CTrayIconHost::DoubleClicked, this,
            [this] { m_dispatcher.IconDoubleClicked(); });
    connect(m_icon.get(), &CTrayIconHost::RightClicked, this,
            [this] { m_dispatcher.IconRightClicked(); });
}

bool CTrayWnd::Create(const CCommandLine& commandLine) {
    if (!commandLine.IsNoLogo()) RunLogo();
    AddIcon();
    // Reading a large data file takes a moment; the icon is on screen first,
    // and clicks on it do nothing until the notes are there.
    m_nState = kTrayStarting;
    m_icon->WaitUntilDrawn(kIconDrawnWaitMs);
    CStartupLog::Mark("drawn");
    CStartingHolidays::Provide();
    m_data.Load();
    m_bLoaded = true;
    CStartupLog::Mark("loaded");
    ComputeTextureColors();
    ShowDesktopNotes();
    m_alarmTimer.start();
    m_nState = kTrayIdle;
    return true;
}

void CTrayWnd::RunLogo() {
    if (m_runLogo) m_runLogo();
}

void CTrayWnd::AddIcon() {
    const QIcon icon = resources::Icon(resources::kIconTray);
    if (m_icon->IsAvailable() &&
        m_icon->Add(icon, QString::fromStdString(LoadString(kStringTip)))) {
        CStartupLog::Mark("icon");
        return;
    }
    // No notification area: the program must not run out of reach.
    ShowCommandWindow();
    CStartupLog::Mark("window");
}

void CTrayWnd::RetryIcon() {
    if (HasIcon() || ++m_nIconRetry < kIconRetryTicks) return;
    m_nIconRetry = 0;
    if (m_icon->IsAvailable())
        m_icon->Add(resources::Icon(resources::kIconTray),
                    QString::fromStdString(LoadString(kStringTip)));
}

bool CTrayWnd::HasIcon() const {
    return m_icon->IsShown();
}

void CTrayWnd::ShowCommandWindow() {
    if (!m_pCommandWnd)
        m_pCommandWnd = std::make_unique<CCommandWnd>(
            *m_commands, [this] { return HasIcon(); }, [this] { Exit(); });
    m_pCommandWnd->BringForward();
}

void CTrayWnd::ComputeTextureColors() {
    QImage surface(1, 1, QImage::Format_RGB32);
    QPainter dc(&surface);
    g_crNoteTitleDefault =
        CUtility::GetTextureColor(&dc, m_data.m_strWindowTexture, resources::kImageWindowTexture);
    g_crNoteBackDefault = ColorAdjustLuma(
        CUtility::GetTextureColor(&dc, m_data.m_strToolbarTexture, resources::kImageToolbarTexture),
        400, 1);
}

void CTrayWnd::ShowDesktopNotes() {
    // By ID: showing one note must not disturb the walk over the others.
    std::vector<WORD> ids;
    for (const auto& [id, note] : m_data.m_noteManager.Notes())
        if (note->m_bOnDesktop) ids.push_back(id);
    for (const WORD id : ids)
        if (CNote* note = m_data.LookupNote(id); note && m_pNoteWindows)
            m_pNoteWindows->ShowOnDesktop(*note);
}

void CTrayWnd::Exit() {
    if (IsClosing()) return;
    m_nState = kTrayClosing;
    m_icon->Remove();
    m_alarmTimer.stop();
    m_clickTimer.stop();
    if (m_pCommandWnd) m_pCommandWnd->hide();
    Save();
    emit Ended();
}

bool CTrayWnd::Save() {
    // Before the data file has been read there is nothing of the user's to
    // write, and writing would replace their file with an empty one.
    if (!m_bLoaded) return false;
    const bool saved = m_data.Save();
    if (saved) m_autoSave.Saved();
    return saved;
}

void CTrayWnd::NotesChanged() {
    m_autoSave.Changed(COleDateTime::GetCurrentTime());
    emit NotesEdited();
}

void CTrayWnd::Tick() {
    const COleDateTime now = COleDateTime::GetCurrentTime();
    m_scheduler.Tick(now);
    // Not while an import or export replaces files, nor once ending.
    if (m_nState == kTrayIdle || m_nState == kTrayCalendarOpen) m_autoSave.Tick(now);
    RetryIcon();
}

bool CTrayWnd::BeginBusy() {
    if (m_nState != kTrayIdle) return false;
    m_nState = kTrayBusy;
    return true;
}

void CTrayWnd::EndBusy() {
    if (m_nState == kTrayBusy) m_nState = kTrayIdle;
}

void CTrayWnd::ReturnToIdle() {
    if (m_nState == kTrayCalendarOpen) m_nState = kTrayIdle;
}

void CTrayWnd::SetNoteWindows(CNoteWindows* windows) {
    m_pNoteWindows = windows;
    m_scheduler.SetWindows(m_pNoteWindows);
}

void CTrayWnd::SetCalendarRunner(std::function<void()> run) {
    m_runCalendar = std::move(run);
    m_commands->UpdateEnabled();
}

void CTrayWnd::SetNoteEditorRunner(std::function<void()> run) {
    m_runNoteEditor = std::move(run);
    m_commands->UpdateEnabled();
}

void CTrayWnd::SetOptionsRunner(std::function<void()> run) {
    m_runOptions = std::move(run);
    m_commands->UpdateEnabled();
}

void CTrayWnd::OpenCalendar() {
    if (m_nState != kTrayIdle) {
        BringCalendarToFront();
        return;
    }
    // Until the calendar window exists, a click shows what can be done.
    if (!m_runCalendar) {
        ShowMenu();
        return;
    }
    m_nState = kTrayCalendarOpen;
    m_runCalendar();
    m_pCalendarWnd = nullptr;
    if (IsClosing()) return;
    Save();
    ReturnToIdle();
}

void CTrayWnd::NewNote() {
    if (m_nState != kTrayIdle) return;
    if (!m_runNoteEditor) {
        ShowMenu();
        return;
    }
    m_runNoteEditor();
    NotesChanged();
}

void CTrayWnd::Options() {
    if (m_nState != kTrayIdle || !m_runOptions) return;
    m_runOptions();
    if (IsClosing()) return;
    ComputeTextureColors();
}

void CTrayWnd::OnCommandLine(const QString& commandLine) {
    if (commandLine == QLatin1String("exit")) {
        Exit();
        return;
    }
    // With an icon a later copy leaves this one alone; without one it brings
    // this copy's window forward, the only sign that it runs.
    if (HasIcon() || IsClosing()) return;
    if (m_pCalendarWnd)
        BringCalendarToFront();
    else
        ShowCommandWindow();
}

void CTrayWnd::SetSleeping(bool sleeping) {
    if (IsClosing()) return;
    // Waking returns to what the tray was doing: a calendar window still
    // open must not be opened a second time.
    if (sleeping && m_nState != kTraySuspended) {
        m_nStateBeforeSleep = m_nState;
        m_nState = kTraySuspended;
    } else if (!sleeping && m_nState == kTraySuspended) {
        m_nState = m_nStateBeforeSleep;
    }
}

void CTrayWnd::PostClick(int modifier) {
    QMetaObject::invokeMethod(
        this, [this, modifier] { m_dispatcher.Click(modifier); }, Qt::QueuedConnection);
}

void CTrayWnd::PostMenu() {
    QMetaObject::invokeMethod(
        this, [this] { m_dispatcher.Menu(); }, Qt::QueuedConnection);
}

void CTrayWnd::BringCalendarToFront() {
    if (!m_pCalendarWnd) return;
    m_pCalendarWnd->show();
    m_pCalendarWnd->raise();
    m_pCalendarWnd->activateWindow();
}

void CTrayWnd::ShowMenu() {
    if (m_bMenuOpen) return;
    m_bMenuOpen = true;
    const std::unique_ptr<QMenu> menu = CTrayMenu::Build(*m_commands, &m_menuStyle);
    menu->exec(QCursor::pos());
    m_bMenuOpen = false;
}
