#pragma once
// A fresh, empty program directory for one test: $ORRINDALE_HOME points at a
// temporary directory while the object lives and is restored afterwards. The
// user's configuration ($XDG_CONFIG_HOME: the program's settings file, the
// autostart entry) goes to a folder "config" in it meanwhile.

#include <QTemporaryDir>

#include <optional>
#include <string>

class CTempHome {
public:
    CTempHome();
    ~CTempHome();
    CTempHome(const CTempHome&) = delete;
    CTempHome& operator=(const CTempHome&) = delete;

    // The directory, ending in '/'.
    std::string Path() const;
    // Path() + name.
    std::string File(const std::string& name) const;
    // The configuration folder, ending in '/'.
    std::string ConfigPath() const { return File("config/"); }

private:
    QTemporaryDir m_dir;
    std::optional<QByteArray> m_previous;
    std::optional<QByteArray> m_previousConfig;
};
