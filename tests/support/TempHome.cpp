#include "tests/support/TempHome.h"

namespace {

// Sets name to value and returns what it was before.
std::optional<QByteArray> Replace(const char* name, const QString& value) {
    std::optional<QByteArray> previous;
    if (qEnvironmentVariableIsSet(name)) previous = qgetenv(name);
    qputenv(name, value.toLocal8Bit());
    return previous;
}

void Restore(const char* name, const std::optional<QByteArray>& previous) {
    if (previous)
        qputenv(name, *previous);
    else
        qunsetenv(name);
}

} // namespace

CTempHome::CTempHome()
    : m_previous(Replace("ORRINDALE_HOME", m_dir.path())),
      m_previousConfig(Replace("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")))) {}

CTempHome::~CTempHome() {
    Restore("ORRINDALE_HOME", m_previous);
    Restore("XDG_CONFIG_HOME", m_previousConfig);
}

std::string CTempHome::Path() const {
    return m_dir.path().toStdString() + "/";
}

std::string CTempHome::File(const std::string& name) const {
    return Path() + name;
}
