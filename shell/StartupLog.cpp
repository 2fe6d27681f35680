#include "shell/StartupLog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

void CStartupLog::Mark(const char* moment) {
    static const bool enabled = std::getenv("ORRINDALE_STARTUP_LOG") != nullptr;
    if (!enabled) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const long long wall = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    const long long used = static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec;
    std::fprintf(stderr, "orrindale: %s %lld %lld\n", moment, wall, used);
    std::fflush(stderr);
}
