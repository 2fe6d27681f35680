#include "options/ProgramSettings.h"

#include <QSettings>
#include <QStandardPaths>

BOOL g_bDesktopNotification = 1;

namespace {

const QString kDesktopNotification = QStringLiteral("Alarm/DesktopNotification");

// Exactly the two words Qt writes; anything else is not the user's choice.
void ReadFlag(const QSettings& settings, const QString& key, BOOL& flag) {
    const QString text = settings.value(key).toString();
    if (text == QLatin1String("true"))
        flag = 1;
    else if (text == QLatin1String("false"))
        flag = 0;
}

} // namespace

std::string CProgramSettings::FilePath() {
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/orrindale/orrindale.conf"))
        .toStdString();
}

void CProgramSettings::Load(const std::string& path) {
    g_bDesktopNotification = 1;
    const QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    // A file whose form is broken may have lost any line: nothing of it is trusted.
    if (settings.status() != QSettings::NoError) return;
    ReadFlag(settings, kDesktopNotification, g_bDesktopNotification);
}

bool CProgramSettings::Save(const std::string& path) {
    QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    settings.setValue(kDesktopNotification, g_bDesktopNotification != 0);
    settings.sync();
    // A broken form read earlier stays in the status; only access counts here.
    return settings.status() != QSettings::AccessError;
}

std::string CProgramSettings::SaveFailureText(const std::string& path) {
    return "The settings could not be written to\n" + path + "\n\nThey apply until Orrindale ends.";
}
