// Peak memory of the loaded large store. A child process builds and saves
// the store, so that this process's high-water mark holds nothing but the
// program itself and what loading the file takes.

#include "bench/StoreBenchData.h"
#include "store/CalendarData.h"

#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A "kB" line of /proc/self/status, in megabytes.
double StatusMegabytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) / 1024.0;
    return -1.0;
}

// Processor time and minor page faults used by this process so far.
struct Usage {
    double cpuMs;
    long faults;
};
Usage UsageNow() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return {ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_minflt};
}

bool SaveLargeStoreInChild() {
    const pid_t child = fork();
    if (child == 0) {
        CCalendarData data;
        FillLargeStore(data);
        _exit(data.Save() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

} // namespace

int main() {
    const CBenchClock clock;
    CClock::Install(&clock);
    QTemporaryDir dir;
    qputenv("ORRINDALE_HOME", dir.path().toLocal8Bit());
    if (!SaveLargeStoreInChild()) {
        std::fprintf(stderr, "could not write the large store\n");
        return 1;
    }
    const double before = StatusMegabytes("VmHWM");
    const Usage start = UsageNow();
    CCalendarData data;
    data.Load();
    const Usage loaded = UsageNow();
    // The first load in a fresh process, as at start-up: every page of the
    // notes is new to the process, so page faults are part of the cost.
    std::printf("first load:          %.1f ms processor time, %ld page faults\n",
                loaded.cpuMs - start.cpuMs, loaded.faults - start.faults);
    std::printf("notes loaded:        %zu\n", data.m_noteManager.GetCount());
    std::printf("peak before loading: %.1f MB\n", before);
    std::printf("peak after loading:  %.1f MB (VmHWM)\n", StatusMegabytes("VmHWM"));
    std::printf("resident now:        %.1f MB (VmRSS)\n", StatusMegabytes("VmRSS"));
    return 0;
}
