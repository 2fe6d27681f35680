#pragma once
// The program's command line. Two words mean something, each only as the
// whole command line and exactly so spelt: "nologo" starts without the logo,
// "exit" ends the copy that is running. Anything else is ignored.

#include <string>
#include <utility>

class CCommandLine {
public:
    // The arguments after the program name, joined by single blanks.
    CCommandLine(int argc, const char* const* argv);
    explicit CCommandLine(std::string text) : m_strText(std::move(text)) {}

    const std::string& Text() const { return m_strText; }
    bool IsNoLogo() const { return m_strText == "nologo"; }
    bool IsExit() const { return m_strText == "exit"; }

private:
    std::string m_strText;
};
