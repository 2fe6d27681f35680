// orrindale-agenda as people and scripts run it: a process of its own, each
// format from the executable, its exit statuses, the data file of a running
// program read and left exactly as it was, and the grid as a PDF with no
// display at all.
#include "tests/agenda/DirectoryListing.h"
#include "tests/support/DataFileWriter.h"
#include "tests/support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kWaitMs = 30000;

struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

class AgendaProcessTest : public ::testing::Test {
protected:
    AgendaProcessTest() {
        m_env.insert(QStringLiteral("ORRINDALE_HOME"), QString::fromStdString(m_home.Path()));
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_env.insert(QStringLiteral("ORRINDALE_INSTANCE"),
                     QStringLiteral("AgendaTest-%1").arg(QCoreApplication::applicationPid()));
        m_env.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    }

    // Three notes in December 2026 and a daily one, saved just now.
    void WriteDataFile() const {
        CDataFileWriter w;
        w.Header(COleDateTime(2020, 1, 1, 0, 0, 0), COleDateTime::GetCurrentTime())
            .Settings({})
            .NotesHeader(3, 603);
        const char* titles[] = {"Dentist appointment", "Pay the rent", "Choir practice"};
        for (int i = 0; i < 3; ++i) {
            FileNote note;
            note.id = 600 + i;
            note.title = titles[i];
            note.start = COleDateTime(2026, 12, 8 + 7 * i, 9 + i, 0, 0);
            w.Note(note);
        }
        ASSERT_TRUE(w.WriteTo(m_home.File("Note.Dat")));
    }

    Outcome Run(const QString& program, const QStringList& args,
                const QProcessEnvironment& env) const {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, args);
        Outcome outcome;
        if (!process.waitForFinished(kWaitMs)) return outcome;
        outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        outcome.out = process.readAllStandardOutput();
        outcome.err = process.readAllStandardError();
        return outcome;
    }
    Outcome Agenda(const QStringList& args) const {
        return Run(QStringLiteral(AGENDA_BINARY), args, m_env);
    }

    CTempHome m_home;
    QTemporaryDir m_runtime;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    const QStringList m_december = {"--from", "2026-12-01", "--to", "2026-12-31"};
};

TEST_F(AgendaProcessTest, EachFormatFromTheExecutable) {
    WriteDataFile();
    const struct {
        const char* format;
        std::function<void(const QByteArray&)> check;
    } cases[] = {
        {"text",
         [](const QByteArray& out) {
             EXPECT_TRUE(out.startsWith("Tuesday, December 8, 2026\n   9:00 AM  Dentist"));
         }},
        {"tsv",
         [](const QByteArray& out) {
             EXPECT_EQ(out, "date\ttime\ttitle\tkind\tid\n"
                            "2026-12-08\t09:00\tDentist appointment\tmemo\t600\n"
                            "2026-12-15\t10:00\tPay the rent\tmemo\t601\n"
                            "2026-12-22\t11:00\tChoir practice\tmemo\t602\n");
         }},
        {"json",
         [](const QByteArray& out) {
             const QJsonArray array = QJsonDocument::fromJson(out).array();
             ASSERT_EQ(array.size(), 3);
             EXPECT_EQ(array[2].toObject()["start"], "2026-12-22T11:00:00");
         }},
        {"ics",
         [](const QByteArray& out) {
             EXPECT_TRUE(out.startsWith("BEGIN:VCALENDAR"));
             EXPECT_EQ(out.count("BEGIN:VEVENT"), 3);
             EXPECT_TRUE(out.contains("SUMMARY:Choir practice"));
         }},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Agenda(m_december + QStringList{"--format", c.format});
        EXPECT_EQ(outcome.status, 0) << c.format << ": " << outcome.err.toStdString();
        c.check(outcome.out);
    }
}

TEST_F(AgendaProcessTest, BadArgumentsAndUnreadableFiles) {
    const QString folder = QString::fromStdString(m_home.File("folder"));
    QDir().mkpath(folder);
    const struct {
        QStringList args;
        int status;
        const char* err;
    } cases[] = {
        {{"--days", "0"},
         2,
         "orrindale-agenda: --days takes a whole number of days, 1 or more, not '0'\n"
         "Try 'orrindale-agenda --help'.\n"},
        {{"--pdf", "x.pdf", "--from", "2026-12-01"},
         2,
         "orrindale-agenda: --from does not go with --pdf, which prints the calendar grid\n"
         "Try 'orrindale-agenda --help'.\n"},
        {{"--data", folder}, 1, "orrindale-agenda: cannot read the data file "},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Agenda(c.args);
        EXPECT_EQ(outcome.status, c.status) << c.err;
        EXPECT_TRUE(outcome.err.startsWith(c.err)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.out.isEmpty()) << c.err;
    }
}

TEST_F(AgendaProcessTest, ARunningProgramsDataFileIsReadAndLeftAsItWas) {
    WriteDataFile();
    QProcess program;
    QProcessEnvironment env = m_env;
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ORRINDALE_STARTUP_LOG"), QStringLiteral("1"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QStringLiteral(ORRINDALE_BINARY), {QStringLiteral("nologo")});
    QElapsedTimer waited;
    waited.start();
    QByteArray log;
    while (!log.contains(" ready ") && waited.elapsed() < kWaitMs &&
           program.state() != QProcess::NotRunning) {
        program.waitForReadyRead(100);
        log += program.readAll();
    }
    ASSERT_TRUE(log.contains(" ready ")) << log.toStdString();

    const std::string home = m_home.Path();
    const std::string homeBefore = DirectoryListing(home);
    const std::string runtimeBefore = DirectoryListing(m_runtime.path().toStdString());
    ASSERT_NE(runtimeBefore.find(".lock"), std::string::npos) << "the program holds its lock";
    const Outcome outcome = Agenda(m_december + QStringList{"--format", "tsv", "--holidays"});
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_NE(outcome.out.indexOf("Pay the rent\tmemo\t601"), -1);
    EXPECT_EQ(DirectoryListing(home), homeBefore) << "no backup, no copy, the file untouched";
    EXPECT_EQ(DirectoryListing(m_runtime.path().toStdString()), runtimeBefore)
        << "no lock of its own";
    EXPECT_EQ(program.state(), QProcess::Running);

    program.terminate();
    EXPECT_TRUE(program.waitForFinished(kWaitMs));
}

TEST_F(AgendaProcessTest, TheGridAsAPdfWithNoDisplay) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (Debian's poppler-utils) reads the PDF";
    WriteDataFile();
    QProcessEnvironment noDisplay = m_env;
    noDisplay.remove(QStringLiteral("DISPLAY"));
    noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
    noDisplay.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const QString pdf = m_runtime.filePath(QStringLiteral("calendar.pdf"));
    const struct {
        QStringList period;
        QStringList shown;
    } cases[] = {
        {{"--month", "2026-12"},
         {"December, 2026", "Dentist appointment", "Pay the rent", "Choir practice"}},
        {{"--week", "2026-12-16"}, {"December, 2026", "Pay the rent"}},
    };
    for (const auto& c : cases) {
        QFile::remove(pdf);
        const Outcome outcome =
            Run(QStringLiteral(AGENDA_BINARY), QStringList{"--pdf", pdf} + c.period, noDisplay);
        ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.isEmpty()) << outcome.err.toStdString();
        const Outcome text = Run(pdftotext, {pdf, QStringLiteral("-")}, m_env);
        ASSERT_EQ(text.status, 0) << text.err.toStdString();
        for (const QString& shown : c.shown)
            EXPECT_TRUE(text.out.contains(shown.toUtf8())) << shown.toStdString();
        EXPECT_EQ(text.out.contains("Choir practice"), c.shown.contains("Choir practice"));
    }
}

} // namespace
