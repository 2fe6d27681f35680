// The tray as the program runs it: the start-up and exit order, clicks on
// the icon, the program without a notification area, later copies, sleep,
// saving soon after a change, import and export from the menu.
#include "FakeTrayIcon.h"

#include "reminders/NoteWindows.h"
#include "shell/CommandLine.h"
#include "shell/CommandWnd.h"
#include "shell/TrayCommands.h"
#include "shell/TrayWnd.h"
#include "store/OneTimeNote.h"
#include "store/ProgramFlags.h"
#include "store/SafeFile.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/OtherDataFile.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestAccess.h"
#include "tests/support/TestClock.h"
#include "zadad/Utility.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Log = std::vector<std::string>;

class CRecordingWindows : public CNoteWindows {
public:
    explicit CRecordingWindows(Log& log) : m_log(log) {}
    void ShowAlarm(CNote& note) override { m_log.push_back("alarm " + note.m_strTitle); }
    void UpdateCountdown(CNote&, const COleDateTime&) override {}
    std::vector<CNote*> NotesWithWindows() override { return {}; }
    void ShowOnDesktop(CNote& note) override {
        m_log.push_back("desktop " + note.m_strTitle);
        colorsReadyOnDesktop = g_crNoteTitleDefault == CUtility::GetTextureColor(nullptr, "", 153);
        timerRunningOnDesktop = timerActive && timerActive();
    }
    bool colorsReadyOnDesktop = false;
    bool timerRunningOnDesktop = true;
    std::function<bool()> timerActive;

private:
    Log& m_log;
};

class TrayWndTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramFlags(); }
    void TearDown() override {
        CTestAccess::ClearFileAnswers();
        ResetProgramFlags();
    }

    // A tray with a notification area (or not), its logo and data loading recorded.
    void MakeTray(bool withTray = true) {
        auto icon = std::make_unique<CFakeTrayIcon>(m_log, withTray);
        m_icon = icon.get();
        m_tray = std::make_unique<CTrayWnd>(std::move(icon));
        CTestAccess::SetLogoRunner(*m_tray, [this] { m_log.push_back("logo"); });
        m_tray->Data().SetHolidayLoader([this](CNoteManager&) { m_log.push_back("load"); });
        m_windows.timerActive = [this] { return m_tray->IsAlarmTimerActive(); };
        m_tray->SetNoteWindows(&m_windows);
        CTestAccess::SetClickInterval(*m_tray, 5);
        QObject::connect(m_tray.get(), &CTrayWnd::Ended, [this] {
            m_log.push_back("end");
            m_bSavedAtEnd = std::filesystem::exists(m_home.File("Note.Dat"));
        });
    }
    void Start(const char* commandLine = "nologo") {
        MakeTray();
        ASSERT_TRUE(m_tray->Create(CCommandLine(commandLine)));
        m_log.clear();
    }
    // Lets the posted clicks and the double-click timer run.
    static void Settle() { QTest::qWait(40); }

    CTempHome m_home;
    CFakeMessageBox m_box;
    Log m_log;
    CRecordingWindows m_windows{m_log};
    CFakeTrayIcon* m_icon = nullptr;
    std::unique_ptr<CTrayWnd> m_tray;
    bool m_bSavedAtEnd = false;
};

TEST_F(TrayWndTest, StartsWithLogoIconDataColoursDesktopNotesThenTheTick) {
    MakeTray();
    ASSERT_TRUE(m_tray->Create(CCommandLine("")));
    EXPECT_EQ(m_log, (Log{"logo", "icon added", "icon drawn", "load", "desktop Welcome !"}));
    EXPECT_TRUE(m_windows.colorsReadyOnDesktop) << "note colours come from the textures first";
    EXPECT_FALSE(m_windows.timerRunningOnDesktop) << "the tick starts last";
    EXPECT_TRUE(m_tray->IsAlarmTimerActive());
    EXPECT_EQ(m_tray->GetState(), kTrayIdle);
    EXPECT_EQ(m_icon->Tip(), "Double-Click to create a new note");
    EXPECT_EQ(m_tray->CommandWindow(), nullptr);
}

TEST_F(TrayWndTest, TextColoursAreTheDesktopsUntilTheDataFileHasItsOwn) {
    const QPalette before = QApplication::palette();
    QPalette desktop = before;
    desktop.setColor(QPalette::Text, QColor(10, 20, 30));
    desktop.setColor(QPalette::Base, QColor(250, 240, 200));
    QApplication::setPalette(desktop);
    Start();
    EXPECT_EQ(m_tray->Data().m_crText, RGB(10, 20, 30));
    EXPECT_EQ(m_tray->Data().m_crTextBack, RGB(250, 240, 200));
    m_tray->Data().m_crText = RGB(1, 2, 3);
    m_tray->Data().m_crTextBack = RGB(4, 5, 6);
    m_tray->Exit();
    Start();
    EXPECT_EQ(m_tray->Data().m_crText, RGB(1, 2, 3)) << "the data file's own";
    EXPECT_EQ(m_tray->Data().m_crTextBack, RGB(4, 5, 6));
    QApplication::setPalette(before);
}

TEST_F(TrayWndTest, ClicksWhileTheDataIsReadDoNothing) {
    MakeTray();
    int state = -1;
    m_icon->whileDrawing = [&] {
        state = m_tray->GetState();
        emit m_icon->DoubleClicked();
        emit m_icon->Clicked(CClickDispatcher::kControl);
        Settle();
    };
    Log opened;
    m_tray->SetCalendarRunner([&] { opened.push_back("calendar"); });
    m_tray->SetNoteEditorRunner([&] { opened.push_back("new note"); });
    ASSERT_TRUE(m_tray->Create(CCommandLine("nologo")));
    Settle();
    EXPECT_EQ(state, kTrayStarting);
    EXPECT_TRUE(opened.empty()) << "nothing opens before the notes are read";
    EXPECT_EQ(m_tray->GetState(), kTrayIdle);
}

TEST_F(TrayWndTest, OnlyTheExactWordNologoSkipsTheLogo) {
    for (const char* line : {"nologo", "/nologo", "NOLOGO", "exit", "nologo nologo"}) {
        m_log.clear();
        MakeTray();
        m_tray->Create(CCommandLine(line));
        const bool logo = !m_log.empty() && m_log.front() == "logo";
        EXPECT_EQ(logo, std::string(line) != "nologo") << line;
        m_tray->Exit();
    }
}

TEST_F(TrayWndTest, ExitRemovesTheIconThenSavesThenEndsOnce) {
    Start();
    ASSERT_FALSE(std::filesystem::exists(m_home.File("Note.Dat")));
    m_tray->Exit();
    m_tray->Exit();
    EXPECT_EQ(m_log, (Log{"icon removed", "end"}));
    EXPECT_TRUE(m_bSavedAtEnd);
    EXPECT_EQ(m_tray->GetState(), kTrayClosing);
    EXPECT_FALSE(m_tray->IsAlarmTimerActive());
}

TEST_F(TrayWndTest, ExitFromTheMenuCommandEndsTheSameWay) {
    Start();
    m_tray->Commands().Action(kCmdExit)->trigger();
    Settle();
    EXPECT_EQ(m_log, (Log{"icon removed", "end"}));
    EXPECT_TRUE(m_bSavedAtEnd);
}

class TrayRescueTest : public TrayWndTest {
protected:
    // Started afresh, with a folder where the data file belongs.
    void StartUnableToSave() {
        std::filesystem::remove_all(m_home.File("Note.Dat"));
        Start();
        std::filesystem::create_directory(m_home.File("Note.Dat"));
        m_box.m_shown.clear();
    }
    QStringList RescueCopies() const {
        return QDir(QString::fromStdString(m_home.Path()))
            .entryList({QStringLiteral("Note.Dat.unsaved-*")}, QDir::Files);
    }
};

TEST_F(TrayRescueTest, FailedLastSaveLeavesARescueCopyAndOnlyTheMenuShowsAMessage) {
    using Cause = CTrayWnd::ExitCause;
    for (const Cause cause : {Cause::Menu, Cause::Command, Cause::Signal}) {
        SCOPED_TRACE(static_cast<int>(cause));
        StartUnableToSave();
        m_tray->Exit(cause);
        EXPECT_EQ(m_log, (Log{"icon removed", "end"}));
        const QStringList copies = RescueCopies();
        ASSERT_EQ(copies.size(), 1);
        if (cause == Cause::Menu) {
            ASSERT_EQ(m_box.m_shown.size(), 1u);
            EXPECT_EQ(m_box.m_shown[0].text.rfind("Fail to save data", 0), 0u);
            EXPECT_NE(m_box.m_shown[0].text.find(m_home.File(copies[0].toStdString())),
                      std::string::npos)
                << m_box.m_shown[0].text;
        } else {
            EXPECT_TRUE(m_box.m_shown.empty()) << "nobody may be there to click it away";
        }
        QFile::remove(QString::fromStdString(m_home.File(copies[0].toStdString())));
    }
}

TEST_F(TrayRescueTest, SignalWhileTheMenuTellsOfAFailedSaveEndsAtOnce) {
    StartUnableToSave();
    bool endedMeanwhile = false;
    m_box.whileShown = [&] {
        m_tray->Exit(CTrayWnd::ExitCause::Signal);
        endedMeanwhile = !m_log.empty() && m_log.back() == "end";
    };
    m_tray->Exit();
    EXPECT_TRUE(endedMeanwhile);
    EXPECT_EQ(m_log, (Log{"icon removed", "end"})) << "ended once";
}

TEST_F(TrayWndTest, NothingIsSavedBeforeTheDataHasBeenRead) {
    MakeTray();
    EXPECT_FALSE(m_tray->Save());
    m_tray.reset();
    EXPECT_FALSE(std::filesystem::exists(m_home.File("Note.Dat")));
}

TEST_F(TrayWndTest, ClickOpensTheCalendarOnceAndSavesWhenItCloses) {
    Start();
    int runs = 0;
    m_tray->SetCalendarRunner([&] {
        ++runs;
        EXPECT_EQ(m_tray->GetState(), kTrayCalendarOpen);
    });
    emit m_icon->Clicked(CClickDispatcher::kNoModifier);
    Settle();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(m_tray->GetState(), kTrayIdle);
    EXPECT_TRUE(std::filesystem::exists(m_home.File("Note.Dat")));
}

TEST_F(TrayWndTest, DoubleAndShiftClicksMakeNotesCtrlClickOpensTheCalendar) {
    Start();
    Log opened;
    m_tray->SetCalendarRunner([&] { opened.push_back("calendar"); });
    m_tray->SetNoteEditorRunner([&] { opened.push_back("new note"); });
    emit m_icon->Clicked(CClickDispatcher::kNoModifier);
    emit m_icon->DoubleClicked();
    Settle();
    emit m_icon->Clicked(CClickDispatcher::kShift);
    Settle();
    emit m_icon->Clicked(CClickDispatcher::kControl);
    Settle();
    EXPECT_EQ(opened, (Log{"new note", "new note", "calendar"}));
}

TEST_F(TrayWndTest, ClickWhileTheCalendarIsOpenBringsItForward) {
    Start();
    QWidget calendar;
    int runs = 0;
    m_tray->SetCalendarRunner([&] {
        ++runs;
        m_tray->SetCalendarWindow(&calendar);
        emit m_icon->Clicked(CClickDispatcher::kNoModifier);
        emit m_icon->RightClicked();
        Settle();
        EXPECT_TRUE(calendar.isVisible()) << "brought forward";
    });
    emit m_icon->Clicked(CClickDispatcher::kNoModifier);
    Settle();
    EXPECT_EQ(runs, 1) << "never a second calendar";
}

TEST_F(TrayWndTest, WindowCommandsAreDisabledUntilTheirWindowsExist) {
    Start();
    for (const int command : {kCmdOptions, kCmdNewNote, kCmdCalendar})
        EXPECT_FALSE(m_tray->Commands().Action(command)->isEnabled()) << command;
    m_tray->SetCalendarRunner([] {});
    m_tray->SetNoteEditorRunner([] {});
    m_tray->SetOptionsRunner([] {});
    for (const int command : {kCmdOptions, kCmdNewNote, kCmdCalendar})
        EXPECT_TRUE(m_tray->Commands().Action(command)->isEnabled()) << command;
}

TEST_F(TrayWndTest, WithoutANotificationAreaTheCommandWindowShowsAndComesForward) {
    MakeTray(false);
    m_tray->Create(CCommandLine("nologo"));
    CCommandWnd* window = m_tray->CommandWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(m_tray->HasIcon());
    window->hide();
    m_tray->OnCommandLine(QString());
    EXPECT_TRUE(window->isVisible()) << "a second start brings it forward";
}

TEST_F(TrayWndTest, ClosingTheCommandWindowEndsTheProgramWhenThereIsNoIcon) {
    MakeTray(false);
    m_tray->Create(CCommandLine("nologo"));
    m_tray->CommandWindow()->close();
    EXPECT_EQ(m_log.back(), "end");
    EXPECT_TRUE(m_bSavedAtEnd);
}

TEST_F(TrayWndTest, IconArrivingLaterIsAddedAndTheWindowMayThenBeClosed) {
    MakeTray(false);
    m_tray->Create(CCommandLine("nologo"));
    m_icon->SetAvailable(true);
    for (int tick = 0; tick < CTrayWnd::kIconRetryTicks; ++tick)
        m_tray->Tick();
    EXPECT_TRUE(m_tray->HasIcon());
    m_tray->CommandWindow()->close();
    EXPECT_FALSE(m_tray->CommandWindow()->isVisible());
    EXPECT_EQ(m_tray->GetState(), kTrayIdle) << "hidden, not ended";
}

TEST_F(TrayWndTest, LaterCopyLeavesATrayWithAnIconAloneUnlessItSaysExit) {
    Start();
    m_tray->OnCommandLine(QString());
    m_tray->OnCommandLine(QStringLiteral("nologo"));
    EXPECT_EQ(m_tray->CommandWindow(), nullptr);
    EXPECT_TRUE(m_log.empty());
    m_tray->OnCommandLine(QStringLiteral("exit"));
    EXPECT_EQ(m_log, (Log{"icon removed", "end"}));
}

TEST_F(TrayWndTest, WakingUpReturnsToWhatTheTrayWasDoing) {
    Start();
    m_tray->SetCalendarRunner([&] {
        m_tray->SetSleeping(true);
        EXPECT_EQ(m_tray->GetState(), kTraySuspended);
        m_tray->SetSleeping(false);
        EXPECT_EQ(m_tray->GetState(), kTrayCalendarOpen) << "the calendar is still open";
    });
    m_tray->OpenCalendar();
    EXPECT_EQ(m_tray->GetState(), kTrayIdle);
}

TEST_F(TrayWndTest, ChangedNotesAreSavedWithinAFewSeconds) {
    CTestClock clock;
    Start();
    m_tray->Save();
    m_tray->Data().AddNote(
        std::make_unique<CNote>(kNoteMemo, "Milk", "", COleDateTime::GetCurrentTime(), 0));
    m_tray->NotesChanged();
    const auto before = std::filesystem::file_size(m_home.File("Note.Dat"));
    m_tray->Tick();
    EXPECT_EQ(std::filesystem::file_size(m_home.File("Note.Dat")), before);
    clock.Advance(CUtility::OneSecond * CAutoSave::kQuietSeconds);
    m_tray->Tick();
    EXPECT_GT(std::filesystem::file_size(m_home.File("Note.Dat")), before);
}

TEST_F(TrayWndTest, AcknowledgedAlarmIsSavedSoonAfter) {
    CTestClock clock;
    Start();
    m_tray->Save();
    auto note = std::make_unique<COneTimeNote>(kNoteOneTime, "Call", "",
                                               clock.Now() + CUtility::OneMinute, 0, 0, 1);
    const WORD id = static_cast<WORD>(m_tray->Data().AddNote(std::move(note))->m_nID);
    clock.Advance(CUtility::OneMinute * 2);
    m_tray->Tick();
    EXPECT_EQ(m_log, Log{"alarm Call"});
    m_tray->Scheduler().Acknowledge(id);
    clock.Advance(CUtility::OneSecond * CAutoSave::kQuietSeconds);
    m_tray->Tick();
    CCalendarData reread;
    reread.Load();
    EXPECT_EQ(reread.LookupNote(id), nullptr) << "the acknowledged note is gone from the file";
}

class TrayDataTest : public TrayWndTest {
protected:
    std::string OtherFile(const std::string& title) {
        return SaveOtherDataFile(m_elsewhere.path().toStdString(), title);
    }
    bool HasNote(const std::string& title) {
        for (const auto& entry : m_tray->Data().m_noteManager.Notes())
            if (entry.second->m_strTitle == title) return true;
        return false;
    }
    void Run(int command) {
        m_tray->Commands().Action(command)->trigger();
        Settle();
    }
    QTemporaryDir m_elsewhere;
};

TEST_F(TrayDataTest, ExportWritesTheChosenFileAndReturnsToIdle) {
    Start();
    const QString target = m_elsewhere.filePath(QStringLiteral("out.dat"));
    CTestAccess::QueueFileAnswer([&] {
        EXPECT_EQ(m_tray->GetState(), kTrayBusy);
        return target;
    });
    Run(kCmdExportNotes);
    EXPECT_TRUE(QFileInfo::exists(target));
    EXPECT_EQ(m_tray->GetState(), kTrayIdle);
    EXPECT_EQ(CTestAccess::QueuedFileAnswers(), 0);
}

TEST_F(TrayDataTest, CancelledExportWritesNothing) {
    Start();
    CTestAccess::QueueFileAnswer(QString());
    Run(kCmdExportNotes);
    EXPECT_FALSE(std::filesystem::exists(m_home.File("Note.Dat")));
    EXPECT_EQ(m_tray->GetState(), kTrayIdle);
}

TEST_F(TrayDataTest, ImportReplacesTheNotesAfterAYes) {
    Start();
    m_box.QueueAnswer(CMessageBox::kAnswerYes);
    CTestAccess::QueueFileAnswer(QString::fromStdString(OtherFile("Theirs")));
    Run(kCmdImportNotes);
    EXPECT_TRUE(HasNote("Theirs"));
    EXPECT_FALSE(HasNote("Welcome !"));
    EXPECT_EQ(m_tray->GetState(), kTrayIdle);
}

TEST_F(TrayDataTest, ImportStopsAtNoWithoutAskingForAFile) {
    Start();
    m_box.QueueAnswer(CMessageBox::kAnswerNo);
    CTestAccess::QueueFileAnswer(QString::fromStdString(OtherFile("Theirs")));
    Run(kCmdImportNotes);
    EXPECT_TRUE(HasNote("Welcome !"));
    EXPECT_EQ(CTestAccess::QueuedFileAnswers(), 1);
    EXPECT_EQ(m_tray->GetState(), kTrayIdle);
}

TEST_F(TrayDataTest, DamagedImportKeepsTheNotes) {
    Start();
    const QString damaged = m_elsewhere.filePath(QStringLiteral("cut.dat"));
    ASSERT_TRUE(CSafeFile::Write(damaged.toStdString(), {1, 2, 3, 4, 5}));
    m_box.QueueAnswer(CMessageBox::kAnswerYes);
    CTestAccess::QueueFileAnswer(damaged);
    Run(kCmdImportNotes);
    EXPECT_TRUE(HasNote("Welcome !"));
    ASSERT_EQ(m_box.m_shown.size(), 2u);
    EXPECT_EQ(m_box.m_shown[1].text.rfind("Data Read Error!", 0), 0u);
}

TEST_F(TrayDataTest, CalendarFilesGoOutAndComeInWhileTheTrayIsBusy) {
    CTestClock clock(COleDateTime(2026, 1, 1, 8, 0, 0));
    Start();
    ASSERT_TRUE(m_tray->Save());
    const QString target = m_elsewhere.filePath(QStringLiteral("out.ics"));
    CTestAccess::QueueFileAnswer([&] {
        EXPECT_EQ(m_tray->GetState(), kTrayBusy);
        return target;
    });
    Run(kCmdExportCalendar);
    QFile exported(target);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_TRUE(exported.readAll().contains("SUMMARY:Welcome !"));
    EXPECT_EQ(m_tray->GetState(), kTrayIdle);

    CTestAccess::QueueFileAnswer([&] {
        EXPECT_EQ(m_tray->GetState(), kTrayBusy);
        return QStringLiteral(ORRINDALE_TEST_DATA_DIR "/ics/all-day.ics");
    });
    Run(kCmdImportCalendar);
    EXPECT_TRUE(HasNote("Spring cleaning"));
    EXPECT_TRUE(HasNote("Welcome !")) << "an import adds notes, it replaces none";
    ASSERT_EQ(m_box.m_shown.size(), 1u) << "what came in is told";
    EXPECT_EQ(m_box.m_shown[0].icon, CMessageBox::kIconInformation);
    EXPECT_EQ(m_tray->GetState(), kTrayIdle);
    clock.Advance(CUtility::OneSecond * CAutoSave::kQuietSeconds);
    m_tray->Tick();
    CCalendarData reread;
    reread.Load();
    bool saved = false;
    for (const auto& entry : reread.m_noteManager.Notes())
        saved |= entry.second->m_strTitle == "Spring cleaning";
    EXPECT_TRUE(saved) << "the added notes are saved soon";
}

TEST_F(TrayDataTest, ClickWaitingWhenAnImportStartsLandsOnlyAfterIt) {
    Start();
    CTestAccess::SetClickInterval(*m_tray, 30);
    int runs = 0;
    int stateWhenRun = -1;
    m_tray->SetCalendarRunner([&] {
        ++runs;
        stateWhenRun = m_tray->GetState();
    });
    m_box.QueueAnswer(CMessageBox::kAnswerYes);
    CTestAccess::QueueFileAnswer([&] {
        EXPECT_EQ(m_tray->GetState(), kTrayBusy);
        Settle(); // the double-click time runs out while the dialog is open
        EXPECT_EQ(runs, 0);
        return QString();
    });
    // The click comes just before the import starts.
    emit m_icon->Clicked(CClickDispatcher::kNoModifier);
    Run(kCmdImportNotes);
    Settle();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(stateWhenRun, kTrayCalendarOpen);
}

} // namespace
