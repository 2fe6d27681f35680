#pragma once
// The window system the program starts on. Sticky notes must come back where
// the user left them, and a Wayland compositor does not let a program place
// its windows. So in a Wayland session that also offers X11 (through
// XWayland), the program starts on X11, unless the user has chosen a platform
// (QT_QPA_PLATFORM). Everywhere else Qt chooses as it always does.

#include <string>
#include <vector>

class CPlatformChoice {
public:
    // The platform to name to Qt, "" for Qt's own choice. Each argument is
    // the value of an environment variable, nullptr when it is not set; an
    // empty value counts as not set.
    static std::string Choose(const char* waylandDisplay, const char* display,
                              const char* qpaPlatform);
    // The same for this process's environment.
    static std::string FromEnvironment();
};

// The command line Qt is started with: the program's own, with the platform
// put in front of its arguments when one was chosen. It keeps the strings
// alive as long as the application that reads them.
class CPlatformArguments {
public:
    CPlatformArguments(int argc, char** argv, const std::string& platform);
    CPlatformArguments(const CPlatformArguments&) = delete;
    CPlatformArguments& operator=(const CPlatformArguments&) = delete;

    int& Count() { return m_nCount; }
    char** Values() { return m_pointers.data(); }

private:
    std::vector<std::string> m_strings;
    std::vector<char*> m_pointers;
    int m_nCount = 0;
};
