#include "tests/support/TempHome.h"

CTempHome::CTempHome() {
    if (qEnvironmentVariableIsSet("ORRINDALE_HOME")) m_previous = qgetenv("ORRINDALE_HOME");
    qputenv("ORRINDALE_HOME", m_dir.path().toLocal8Bit());
}

CTempHome::~CTempHome() {
    if (m_previous)
        qputenv("ORRINDALE_HOME", *m_previous);
    else
        qunsetenv("ORRINDALE_HOME");
}

std::string CTempHome::Path() const {
    return m_dir.path().toStdString() + "/";
}

std::string CTempHome::File(const std::string& name) const {
    return Path() + name;
}
