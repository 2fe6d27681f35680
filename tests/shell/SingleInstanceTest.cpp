// One copy per user, with real processes of the program: a later copy ends
// at once, "exit" ends the first after it has saved, SIGTERM saves and ends,
// a crashed copy never blocks the next, and only the owner can reach the
// socket. Every test runs its copies under an instance name and a program
// directory of its own, so a user's running copy is never met.
#include "shell/SingleInstance.h"
#include "store/CalendarData.h"
#include "tests/support/DataFileWriter.h"
#include "tests/support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kStartMs = 20000;

// A copy of the program, started with the test's home and instance name.
class CCopy {
public:
    CCopy(const std::string& home, const QString& instance) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ORRINDALE_HOME"), QString::fromStdString(home));
        env.insert(QStringLiteral("ORRINDALE_INSTANCE"), instance);
        env.insert(QStringLiteral("ORRINDALE_STARTUP_LOG"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
    }
    ~CCopy() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    void Start(const QStringList& args) { m_process.start(QStringLiteral(ORRINDALE_BINARY), args); }
    // Waits for the start-up log line of this moment; false when it never came.
    bool WaitFor(const QByteArray& moment, int timeoutMs = kStartMs) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < timeoutMs) {
            while (m_process.canReadLine()) {
                const QByteArray line = m_process.readLine();
                m_seen.push_back(line.split(' ').value(1));
                if (m_seen.back() == moment) return true;
            }
            if (m_process.state() == QProcess::NotRunning) return false;
            m_process.waitForReadyRead(100);
        }
        return false;
    }
    bool Finish(int timeoutMs = kStartMs) {
        return m_process.waitForFinished(timeoutMs) || m_process.state() == QProcess::NotRunning;
    }
    bool IsRunning() const { return m_process.state() == QProcess::Running; }
    // What the copy wrote after the start-up lines already seen.
    QByteArray RestOfOutput() { return m_process.readAll(); }
    QProcess& Process() { return m_process; }
    const QList<QByteArray>& Seen() const { return m_seen; }

private:
    QProcess m_process;
    QList<QByteArray> m_seen;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest()
        : m_instance(QStringLiteral("OrrindaleTest-%1-%2")
                         .arg(QCoreApplication::applicationPid())
                         .arg(++s_nCounter)) {}
    ~SingleInstanceTest() override {
        CSingleInstance names(m_instance);
        QFile::remove(names.SocketPath());
        QFile::remove(names.LockPath());
    }

    std::unique_ptr<CCopy> Copy() { return std::make_unique<CCopy>(m_home.Path(), m_instance); }
    // The first copy, up and running.
    std::unique_ptr<CCopy> First() {
        auto first = Copy();
        first->Start({QStringLiteral("nologo")});
        EXPECT_TRUE(first->WaitFor("ready")) << "the first copy did not start";
        return first;
    }
    // A data file holding this one note.
    void WriteDataFile(const FileNote& note) const {
        CDataFileWriter file;
        file.Header(COleDateTime(2020, 1, 1, 0, 0, 0), COleDateTime::GetCurrentTime())
            .Settings({})
            .NotesHeader(1, 601)
            .Note(note);
        ASSERT_TRUE(file.WriteTo(m_home.File("Note.Dat")));
    }
    bool DataSaved() const {
        return QFileInfo::exists(QString::fromStdString(m_home.File("Note.Dat")));
    }

    static inline int s_nCounter = 0;
    CTempHome m_home;
    QString m_instance;
};

TEST_F(SingleInstanceTest, LaterCopyEndsAtOnceAndLeavesTheFirstAlone) {
    auto first = First();
    auto second = Copy();
    second->Start({});
    ASSERT_TRUE(second->Finish());
    EXPECT_EQ(second->Process().exitCode(), 0);
    EXPECT_FALSE(second->Seen().contains("ready")) << "the later copy never started a tray";
    EXPECT_TRUE(first->IsRunning());
    EXPECT_FALSE(DataSaved()) << "the first copy was not disturbed";
}

TEST_F(SingleInstanceTest, ExitMakesTheFirstSaveAndEndAndWaitsUntilItHas) {
    auto first = First();
    ASSERT_FALSE(DataSaved());
    auto stopper = Copy();
    stopper->Start({QStringLiteral("exit")});
    ASSERT_TRUE(stopper->Finish());
    EXPECT_EQ(stopper->Process().exitCode(), 0);
    EXPECT_TRUE(DataSaved()) << "saved before the waiting copy was let go";
    ASSERT_TRUE(first->Finish(5000));
    EXPECT_EQ(first->Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->Process().exitCode(), 0);
}

// Whatever another process of the user writes to the socket: bytes that are
// no text, a line far too long, a connection that never ends its line or
// closes at once. The copy ignores it and still obeys the next "exit".
TEST_F(SingleInstanceTest, GarbageOnTheSocketIsIgnored) {
    auto first = First();
    const QString path = CSingleInstance(m_instance).SocketPath();
    const std::vector<QByteArray> garbage = {QByteArray("\xff\xfe\x00\x01binary\x80\n", 12),
                                             QByteArray(100000, 'x') + '\n', QByteArray(5000, 'y'),
                                             QByteArray("quit\n"), QByteArray()};
    std::vector<std::unique_ptr<QLocalSocket>> open;
    for (const QByteArray& bytes : garbage) {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(path);
        ASSERT_TRUE(socket->waitForConnected(5000));
        socket->write(bytes);
        socket->waitForBytesWritten(5000);
        open.push_back(std::move(socket));
    }
    open.back()->abort();
    QThread::msleep(200);
    EXPECT_TRUE(first->IsRunning());
    auto stopper = Copy();
    stopper->Start({QStringLiteral("exit")});
    ASSERT_TRUE(stopper->Finish());
    EXPECT_TRUE(DataSaved());
    ASSERT_TRUE(first->Finish(5000)) << "the garbage kept the copy from ending";
    EXPECT_EQ(first->Process().exitCode(), 0);
}

TEST_F(SingleInstanceTest, ExitEndsTheProgramWhileAnAlarmRings) {
    // A reminder long overdue rings on the first tick; its window refuses to
    // close until it is acknowledged, which must not keep the program alive.
    FileNote overdue;
    overdue.kind = 1;
    overdue.remind = 1;
    overdue.alarm = overdue.occurrence = overdue.start = COleDateTime(2020, 1, 1, 9, 0, 0);
    WriteDataFile(overdue);
    auto first = First();
    QThread::msleep(2500); // past the first tick
    auto stopper = Copy();
    stopper->Start({QStringLiteral("exit")});
    ASSERT_TRUE(stopper->Finish());
    EXPECT_EQ(stopper->Process().exitCode(), 0);
    ASSERT_TRUE(first->Finish(5000)) << "the ringing window kept the program running";
    EXPECT_EQ(first->Process().exitCode(), 0);
}

TEST_F(SingleInstanceTest, TerminationSignalSavesAndEndsCleanly) {
    auto first = First();
    first->Process().terminate();
    ASSERT_TRUE(first->Finish());
    EXPECT_EQ(first->Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first->Process().exitCode(), 0);
    EXPECT_TRUE(DataSaved());
}

TEST_F(SingleInstanceTest, FailedLastSaveLeavesARescueCopyAndEndsWithoutWaitingForAClick) {
    QDir home(QString::fromStdString(m_home.Path()));
    for (const bool bySignal : {false, true}) {
        SCOPED_TRACE(bySignal ? "SIGTERM" : "exit");
        FileNote mine;
        mine.title = "Rescue me";
        WriteDataFile(mine);
        auto first = First();
        // The data file becomes a folder: nothing can be saved over it.
        ASSERT_TRUE(home.remove(QStringLiteral("Note.Dat")));
        ASSERT_TRUE(home.mkdir(QStringLiteral("Note.Dat")));
        auto stopper = Copy();
        if (bySignal) {
            first->Process().terminate();
        } else {
            stopper->Start({QStringLiteral("exit")});
            EXPECT_TRUE(stopper->Finish(5000)) << "the later copy was kept waiting";
        }
        ASSERT_TRUE(first->Finish(5000)) << "the program waited for a click";
        EXPECT_EQ(first->Process().exitCode(), 0);

        const QStringList copies =
            home.entryList({QStringLiteral("Note.Dat.unsaved-*")}, QDir::Files);
        ASSERT_EQ(copies.size(), 1);
        EXPECT_TRUE(first->RestOfOutput().contains(copies[0].toUtf8())) << "said where";
        ASSERT_TRUE(home.rmdir(QStringLiteral("Note.Dat")));
        ASSERT_TRUE(home.rename(copies[0], QStringLiteral("Note.Dat")));
        CCalendarData reread;
        ASSERT_TRUE(reread.Load());
        EXPECT_EQ(reread.m_dtFirstSaved, COleDateTime(2020, 1, 1, 0, 0, 0)) << "headed as Note.Dat";
        ASSERT_EQ(reread.m_noteManager.GetCount(), 1u);
        EXPECT_EQ(reread.m_noteManager.Notes().begin()->second->m_strTitle, "Rescue me");
    }
}

TEST_F(SingleInstanceTest, CrashedCopyNeverBlocksTheNextStart) {
    auto crashed = First();
    crashed->Process().kill();
    ASSERT_TRUE(crashed->Finish());
    CSingleInstance names(m_instance);
    EXPECT_TRUE(QFileInfo::exists(names.LockPath())) << "left behind by the crash";

    auto next = First();
    EXPECT_TRUE(next->IsRunning());
    auto stopper = Copy();
    stopper->Start({QStringLiteral("exit")});
    ASSERT_TRUE(stopper->Finish());
    EXPECT_TRUE(next->Finish(5000)) << "the new copy listens where the old one did";
}

TEST_F(SingleInstanceTest, ALockFileLeftEmptyByACopyKilledAsItMadeItNeverBlocks) {
    QFile left(CSingleInstance(m_instance).LockPath());
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();
    EXPECT_TRUE(First()->IsRunning());
}

TEST_F(SingleInstanceTest, SocketIsOpenToItsOwnerAlone) {
    auto first = First();
    const QByteArray socket = QFile::encodeName(CSingleInstance(m_instance).SocketPath());
    struct stat info {};
    ASSERT_EQ(stat(socket.constData(), &info), 0) << socket.constData();
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_uid, getuid());
    EXPECT_EQ(info.st_mode & 077, 0u) << std::oct << info.st_mode;
}

TEST_F(SingleInstanceTest, ExitGivenToTheOnlyCopyStartsItNormallyWithTheLogo) {
    auto only = Copy();
    only->Start({QStringLiteral("exit")});
    ASSERT_TRUE(only->WaitFor("ready"));
    EXPECT_TRUE(only->Seen().contains("logo"));
    EXPECT_TRUE(only->IsRunning());
}

} // namespace
