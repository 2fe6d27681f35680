// orrindale-agenda as people and scripts run it: each format from the
// executable, the exit status of each failure, a running program's data file
// read and left exactly as it was, and the grid as a PDF with no display.
#include "tests/support/DataFileWriter.h"
#include "tests/support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kWaitMs = 30000;

// Everything below dir with each file's size and time of last change, to
// tell that a run wrote, renamed or touched nothing.
std::string DirectoryListing(const std::string& dir) {
    if (!fs::exists(dir)) return "none";
    std::ostringstream listing;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        listing << entry.path().string();
        if (entry.is_regular_file())
            listing << ' ' << entry.file_size() << ' '
                    << entry.last_write_time().time_since_epoch().count();
        listing << '\n';
    }
    return listing.str();
}

struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

class AgendaProcessTest : public ::testing::Test {
protected:
    AgendaProcessTest() {
        m_env.insert("ORRINDALE_HOME", QString::fromStdString(m_home.Path()));
        m_env.insert("XDG_RUNTIME_DIR", m_runtime.path());
        m_env.insert("ORRINDALE_INSTANCE", QString("AgendaTest-%1").arg(getpid()));
        m_env.insert("TZ", "UTC");
        // Saved just now: a running program makes no backup of its own.
        CDataFileWriter w;
        w.Header(COleDateTime(2020, 1, 1, 0, 0, 0), COleDateTime::GetCurrentTime())
            .Settings({})
            .NotesHeader(2, 602);
        FileNote carols;
        carols.id = 600;
        carols.title = "Carols\tat eight";
        carols.category = 2;
        carols.start = COleDateTime(2026, 12, 24, 20, 0, 0);
        FileNote choir;
        choir.id = 601;
        choir.title = "Choir practice";
        choir.start = COleDateTime(2026, 12, 17, 11, 0, 0);
        w.Note(carols).Note(choir);
        EXPECT_TRUE(w.WriteTo(m_home.File("Note.Dat")));
        std::ofstream(m_home.File("Holiday.txt")) << "YEAR`12`24`Christmas Eve``1`0`1`1`1`1\r\n";
    }

    static Outcome Run(const QString& program, const QStringList& args,
                       const QProcessEnvironment& env, const QString& output = {}) {
        QProcess process;
        process.setProcessEnvironment(env);
        if (!output.isEmpty()) process.setStandardOutputFile(output);
        process.start(program, args);
        Outcome outcome;
        if (!process.waitForFinished(kWaitMs)) return outcome;
        outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        outcome.out = process.readAllStandardOutput();
        outcome.err = process.readAllStandardError();
        return outcome;
    }
    Outcome Agenda(const QStringList& args, const QString& output = {}) const {
        return Run(AGENDA_BINARY, args, m_env, output);
    }

    CTempHome m_home;
    QTemporaryDir m_runtime;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
};

TEST_F(AgendaProcessTest, EachFormatOfADay) {
    const QStringList day = {"--from",     "2026-12-24", "--days", "1",
                             "--holidays", "--moon",     "--sun"};
    const Outcome tsv = Agenda(day + QStringList{"--format", "tsv"});
    EXPECT_EQ(tsv.out, "date\ttime\ttitle\tkind\tid\n"
                       "2026-12-24\t\tFull Moon\tmoon\t\n"
                       "2026-12-24\t00:00\tChristmas Eve\tholiday\t1\n"
                       "2026-12-24\t12:18\tSunrise\tsunrise\t\n"
                       "2026-12-24\t20:00\tCarols at eight\tmemo\t600\n"
                       "2026-12-24\t21:33\tSunset\tsunset\t\n");
    EXPECT_EQ(Agenda(day).out, "Thursday, December 24, 2026\n"
                               "            Full Moon\n"
                               "            Christmas Eve (holiday)\n"
                               "  12:18 PM  Sunrise\n"
                               "   8:00 PM  Carols at eight [Appointment]\n"
                               "   9:33 PM  Sunset\n");
    const QJsonArray json =
        QJsonDocument::fromJson(Agenda(day + QStringList{"--format=json"}).out).array();
    ASSERT_EQ(json.size(), 5);
    EXPECT_TRUE(json[0].toObject()["time"].isNull());
    EXPECT_EQ(json[1].toObject()["allDay"], true);
    const QJsonObject carols = json[3].toObject();
    EXPECT_EQ(carols["title"], "Carols\tat eight");
    EXPECT_EQ(carols["start"], "2026-12-24T20:00:00");
    EXPECT_EQ(carols["category"], "Appointment");
    EXPECT_EQ(carols["categoryId"], 2);
    const QByteArray ics = Agenda(day + QStringList{"--format", "ics"}).out;
    EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR"));
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), 5);
    EXPECT_EQ(ics.count("DTSTART;VALUE=DATE:20261224"), 2) << "the Moon and the holiday";
    EXPECT_TRUE(ics.contains("DTSTART:20261224T200000\r\nSUMMARY:Carols\tat eight"));
}

TEST_F(AgendaProcessTest, FailuresAndTheirExitStatus) {
    const QString folder = QString::fromStdString(m_home.File("folder"));
    QDir().mkpath(folder);
    const QString missing = QString::fromStdString(m_home.File("missing"));
    const struct {
        QStringList args;
        int status;
        QByteArray err;
        QString output = {};
    } cases[] = {
        {{"--days", "0"}, 2, "--days takes a whole number of days, 1 or more, not '0'\nTry"},
        {{"--category", "Chores"}, 2, "no category is called 'Chores'; the categories are: Pay"},
        {{"--data", folder}, 1, "cannot read the data file " + folder.toUtf8() + ": "},
        {{"--data", missing}, 1, "no data file " + missing.toUtf8() + "\n"},
        {{"--holidays", "--holidays-file", missing}, 1, "cannot read the holiday file"},
        {{}, 1, "cannot write the agenda\n", "/dev/full"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Agenda(c.args, c.output);
        EXPECT_EQ(outcome.status, c.status) << c.err.toStdString();
        EXPECT_TRUE(outcome.err.startsWith("orrindale-agenda: " + c.err))
            << outcome.err.toStdString();
    }
    // A program directory that is not there yet is an empty calendar, and stays away.
    m_env.insert("ORRINDALE_HOME", missing);
    const Outcome empty = Agenda({"--from", "2026-12-24"});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "Nothing from 2026-12-24 to 2026-12-30.\n");
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(AgendaProcessTest, ARunningProgramsDataFileIsReadAndLeftAsItWas) {
    QProcess program;
    QProcessEnvironment env = m_env;
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ORRINDALE_STARTUP_LOG", "1");
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(ORRINDALE_BINARY, {"nologo"});
    QByteArray log;
    while (!log.contains(" ready ") && program.waitForReadyRead(kWaitMs))
        log += program.readAll();
    ASSERT_TRUE(log.contains(" ready ")) << log.toStdString();

    const std::string home = DirectoryListing(m_home.Path());
    const std::string runtime = DirectoryListing(m_runtime.path().toStdString());
    ASSERT_NE(runtime.find(".lock"), std::string::npos) << "the program holds its lock";
    const Outcome outcome = Agenda({"--from", "2026-12-17", "--format", "tsv"});
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.out.contains("Choir practice\tmemo\t601"));
    EXPECT_EQ(DirectoryListing(m_home.Path()), home) << "no backup, no copy, the file untouched";
    EXPECT_EQ(DirectoryListing(m_runtime.path().toStdString()), runtime) << "no lock of its own";
    EXPECT_EQ(program.state(), QProcess::Running);
    program.terminate();
    EXPECT_TRUE(program.waitForFinished(kWaitMs));
}

TEST_F(AgendaProcessTest, TheGridAsAPdfWithNoDisplay) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (Debian's poppler-utils) reads the PDF";
    QProcessEnvironment noDisplay = m_env;
    noDisplay.remove("DISPLAY");
    noDisplay.remove("WAYLAND_DISPLAY");
    noDisplay.insert("QT_QPA_PLATFORM", "xcb");
    const QString pdf = m_runtime.filePath("calendar.pdf");
    const struct {
        QStringList period;
        bool carols;
    } cases[] = {{{"--month", "2026-12"}, true}, {{"--week", "2026-12-16"}, false}};
    for (const auto& c : cases) {
        const Outcome made = Run(AGENDA_BINARY, QStringList{"--pdf", pdf} + c.period, noDisplay);
        ASSERT_EQ(made.status, 0) << made.err.toStdString();
        EXPECT_EQ(made.err, "");
        const QByteArray text = Run(pdftotext, {pdf, "-"}, m_env).out;
        EXPECT_TRUE(text.contains("December, 2026")) << text.toStdString();
        EXPECT_TRUE(text.contains("Choir practice")) << text.toStdString();
        EXPECT_EQ(text.contains("Christmas Eve"), c.carols);
        EXPECT_EQ(text.contains("Carols"), c.carols);
    }
}

} // namespace
