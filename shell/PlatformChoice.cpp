#include "shell/PlatformChoice.h"

#include <cstdlib>

namespace {

bool IsSet(const char* value) {
    return value && *value;
}

// X11, or Wayland should X11 not load after all.
constexpr const char* kX11First = "xcb;wayland";

} // namespace

std::string CPlatformChoice::Choose(const char* waylandDisplay, const char* display,
                                    const char* qpaPlatform) {
    if (IsSet(waylandDisplay) && IsSet(display) && !IsSet(qpaPlatform)) return kX11First;
    return std::string();
}

std::string CPlatformChoice::FromEnvironment() {
    return Choose(std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"),
                  std::getenv("QT_QPA_PLATFORM"));
}

CPlatformArguments::CPlatformArguments(int argc, char** argv, const std::string& platform) {
    for (int i = 0; i < argc; ++i) {
        m_strings.emplace_back(argv[i]);
        // Not the environment: the programs a note's link opens would inherit it.
        if (i == 0 && !platform.empty()) {
            m_strings.emplace_back("-platform");
            m_strings.push_back(platform);
        }
    }
    for (std::string& s : m_strings)
        m_pointers.push_back(s.data());
    m_nCount = static_cast<int>(m_strings.size());
    m_pointers.push_back(nullptr);
}
