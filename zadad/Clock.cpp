#include "zadad/Clock.h"

#include <ctime>

namespace {
const CSystemClock g_systemClock;
const CClock* g_clock = &g_systemClock;
} // namespace

const CClock& CClock::Current() {
    return *g_clock;
}

void CClock::Install(const CClock* clock) {
    g_clock = clock ? clock : &g_systemClock;
}

COleDateTime CSystemClock::Now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec);
}
