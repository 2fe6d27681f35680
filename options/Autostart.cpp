#include "options/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <filesystem>

namespace {

QString Path() {
    return QString::fromStdString(CAutostart::FilePath());
}

// A desktop entry's string value: a line of its own, escapes for the rest.
std::string EntryValue(const std::string& text) {
    std::string value;
    for (const char c : text) {
        switch (c) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\r':
            value += "\\r";
            break;
        case '\t':
            value += "\\t";
            break;
        default:
            value += c;
        }
    }
    return value;
}

} // namespace

std::string CAutostart::FilePath() {
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/autostart/") + QString::fromLatin1(kFileName))
        .toStdString();
}

std::string CAutostart::ProgramPath() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

bool CAutostart::IsOn() {
    return QFileInfo::exists(Path());
}

std::string CAutostart::ExecArgument(const std::string& argument) {
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    // Field codes start with "%"; a literal one is doubled.
    std::string exec;
    for (const char c : quoted) {
        exec += c;
        if (c == '%') exec += '%';
    }
    return EntryValue(exec);
}

std::string CAutostart::EntryText(const std::string& programPath) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n"
           "Name=Orrindale\n"
           "Comment=Calendar and reminders\n"
           "TryExec=" +
           EntryValue(programPath) +
           "\n"
           "Exec=" +
           ExecArgument(programPath) +
           " nologo\n"
           "Icon=orrindale\n"
           "Terminal=false\n";
}

bool CAutostart::TurnOn(const std::string& programPath, std::string& message) {
    const QString path = Path();
    const std::string text = EntryText(programPath);
    QString reason = QStringLiteral("its folder cannot be made");
    if (QDir().mkpath(QFileInfo(path).absolutePath())) {
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) &&
            file.write(text.data(), static_cast<qint64>(text.size())) ==
                static_cast<qint64>(text.size()) &&
            file.commit())
            return true;
        reason = file.errorString();
    }
    message = "Orrindale cannot start with the desktop session: the file\n" + path.toStdString() +
              "\ncould not be written (" + reason.toStdString() + ").";
    return false;
}

bool CAutostart::TurnOff(std::string& message) {
    QFile file(Path());
    if (!file.exists() || file.remove()) return true;
    message = "Orrindale still starts with the desktop session: the file\n" + Path().toStdString() +
              "\ncould not be removed (" + file.errorString().toStdString() + ").";
    return false;
}
