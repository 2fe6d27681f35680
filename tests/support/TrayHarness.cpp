#include "tests/support/TrayHarness.h"

#include "almanac/HolidayList.h"
#include "reminders/NoteWindowManager.h"
#include "shell/CalendarRunner.h"
#include "shell/CommandLine.h"
#include "shell/EditorCommands.h"
#include "shell/TrayWnd.h"
#include "store/ProgramFlags.h"
#include "tests/shell/FakeTrayIcon.h"
#include "tests/support/TestAccess.h"

#include <QCoreApplication>
#include <QTest>

CTrayHarness::CTrayHarness(const COleDateTime& now) : m_clock(now) {}

CTrayHarness::~CTrayHarness() {
    Stop();
}

bool CTrayHarness::Start(const Setup& setup) {
    m_setup = setup;
    ResetProgramFlags();
    auto icon = std::make_unique<CFakeTrayIcon>(m_log, true);
    m_icon = icon.get();
    m_tray = std::make_unique<CTrayWnd>(std::move(icon));
    // A click counts as single after 5 ms rather than the desktop's double-click time.
    CTestAccess::SetClickInterval(*m_tray, 5);
    if (setup.holidays) CHolidayList::Attach(m_tray->Data());
    m_windows = std::make_unique<CNoteWindowManager>(m_tray->Data(), m_tray->Scheduler());
    m_windows->SetChangeHandler([this] { m_tray->NotesChanged(); });
    m_windows->SetAlarmListener(setup.alarms);
    m_tray->SetNoteWindows(m_windows.get());
    if (setup.editor || setup.calendar)
        m_editor = std::make_unique<CEditorCommands>(*m_tray, m_windows.get());
    if (setup.calendar)
        m_calendar = std::make_unique<CCalendarRunner>(*m_tray, *m_editor, m_windows.get());
    return m_tray->Create(CCommandLine("nologo"));
}

void CTrayHarness::Stop() {
    if (!m_tray) return;
    m_tray->Exit();
    m_calendar.reset();
    m_editor.reset();
    m_tray.reset();
    m_icon = nullptr;
    m_windows.reset();
    FlushEvents();
    ResetProgramFlags();
}

bool CTrayHarness::Restart() {
    Stop();
    return Start(m_setup);
}

CCalendarData& CTrayHarness::Data() {
    return m_tray->Data();
}

const CCalendarData& CTrayHarness::Data() const {
    return m_tray->Data();
}

void CTrayHarness::TickAt(const COleDateTime& when) {
    m_clock.Set(when);
    m_tray->Tick();
}

CNote* CTrayHarness::FindNote(const std::string& title, std::optional<BOOL> history) const {
    for (const auto& [id, note] : Data().m_noteManager.Notes())
        if (note->m_strTitle == title && (!history || note->m_bHistory == *history))
            return note.get();
    return nullptr;
}

QTimer* CTrayHarness::Poll(std::function<bool()> ready, std::function<void()> then) {
    auto* poll = new QTimer(m_tray.get());
    poll->setInterval(kPollMs);
    QObject::connect(poll, &QTimer::timeout,
                     [poll, ready = std::move(ready), then = std::move(then), tries = 0]() mutable {
                         if (!ready() && ++tries < kMaxPolls) return;
                         poll->stop();
                         poll->deleteLater();
                         then();
                     });
    poll->start();
    return poll;
}

bool CTrayHarness::WaitUntil(const std::function<bool()>& done) {
    for (int wait = 0; wait < kMaxPolls && !done(); ++wait)
        QTest::qWait(kPollMs);
    return done();
}

void CTrayHarness::FlushEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
