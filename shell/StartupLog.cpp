#include "shell/StartupLog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

void CStartupLog::Mark(const char* moment) {
    static const bool enabled = std::getenv("ORRINDALE_STARTUP_LOG") != nullptr;
    if (!enabled) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    std::fprintf(stderr, "orrindale: %s %lld\n", moment, ns);
    std::fflush(stderr);
}
