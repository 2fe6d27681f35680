// The notes' rescue copy when the data file cannot be written goes to the
// first of the program directory, the state directory and the temporary
// directory that takes it.
#include "store/RescueCopy.h"

#include "store/CalendarData.h"
#include "store/ProgramFlags.h"
#include "tests/support/TempHome.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace {

const COleDateTime kNow(2026, 12, 8, 9, 30, 0);

// An environment variable set for the object's life.
class CEnvironment {
public:
    CEnvironment(const char* name, const QString& value) : m_name(name) {
        if (qEnvironmentVariableIsSet(name)) m_previous = qgetenv(name);
        qputenv(name, value.toLocal8Bit());
    }
    ~CEnvironment() {
        if (m_previous)
            qputenv(m_name, *m_previous);
        else
            qunsetenv(m_name);
    }
    CEnvironment(const CEnvironment&) = delete;
    CEnvironment& operator=(const CEnvironment&) = delete;

private:
    const char* m_name;
    std::optional<QByteArray> m_previous;
};

class RescueCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramFlags();
        // A plain file where a directory should be takes nothing, whoever runs the test.
        QFile blocked(m_blocked);
        ASSERT_TRUE(blocked.open(QIODevice::WriteOnly));
    }
    void TearDown() override { ResetProgramFlags(); }

    CTempHome m_home;
    QTemporaryDir m_state;
    QTemporaryDir m_temp;
    QTemporaryDir m_other;
    const QString m_blocked = m_other.filePath(QStringLiteral("blocked"));
};

} // namespace

TEST_F(RescueCopyTest, GoesToTheFirstDirectoryThatTakesIt) {
    const QString home = QString::fromStdString(m_home.Path());
    const struct {
        bool programDir, stateDir, tempDir;
        std::string expected; // the directory, or empty for none
    } rows[] = {
        {true, true, true, m_home.Path()},
        {false, true, true, m_state.path().toStdString() + "/orrindale/"},
        {false, false, true, m_temp.path().toStdString() + "/"},
        {false, false, false, ""},
    };
    CCalendarData data;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        const CEnvironment program("ORRINDALE_HOME", row.programDir ? home : m_blocked);
        const CEnvironment state("XDG_STATE_HOME", row.stateDir ? m_state.path() : m_blocked);
        const CEnvironment temp("TMPDIR", row.tempDir ? m_temp.path() : m_blocked);
        EXPECT_EQ(CRescueCopy::Write(data, kNow),
                  row.expected.empty() ? "" : row.expected + "Note.Dat.unsaved-20261208-0930");
    }
}
