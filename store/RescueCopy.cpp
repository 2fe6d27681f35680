#include "store/RescueCopy.h"

#include "store/CalendarData.h"
#include "store/SafeFile.h"
#include "zadad/Utility.h"

#include <QDir>

namespace {

constexpr const char* kDataFileName = "Note.Dat";

std::string WithSlash(const QString& dir) {
    return QDir::cleanPath(dir).toStdString() + "/";
}

// $XDG_STATE_HOME/orrindale; a relative XDG_STATE_HOME is ignored as the
// base directory rules require.
std::string StateDirectory() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.local/state";
    return WithSlash(base + "/orrindale");
}

} // namespace

std::vector<std::string> CRescueCopy::Directories() {
    return {CUtility::GetAppPath(), StateDirectory(), WithSlash(QDir::tempPath())};
}

std::string CRescueCopy::Write(CCalendarData& data, const COleDateTime& now) {
    const std::string suffix = kSuffix + now.Format("%Y%m%d-%H%M");
    for (const std::string& dir : Directories()) {
        if (!QDir().mkpath(QString::fromStdString(dir))) continue;
        const std::string copy = CSafeFile::FreeName(dir + kDataFileName, suffix);
        if (data.SaveCopy(copy)) return copy;
    }
    return {};
}

std::string CRescueCopy::Where(const std::string& copy) {
    if (copy.empty()) return "The notes could not be written anywhere.";
    return "The notes have been written to " + copy +
           ". To get them back, choose that file with \"Import Notes\".";
}
