#include "ChildProcess.h"

#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The variables of this process with the extra ones (NAME=value) in place.
std::vector<std::string> Environment(const std::vector<std::string>& extra) {
    std::vector<std::string> all(extra);
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('=') + 1);
        bool replaced = false;
        for (const std::string& mine : extra)
            replaced = replaced || mine.starts_with(name);
        if (!replaced) all.push_back(text);
    }
    return all;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

CChildProcess::CChildProcess(const std::string& program, const std::vector<std::string>& args,
                             const std::vector<std::string>& extraEnvironment) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return;
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> env = Environment(extraEnvironment);
    std::vector<char*> argvPointers = Pointers(argv);
    std::vector<char*> envPointers = Pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argvPointers.data(),
                    envPointers.data()) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    m_nOutput = pipeEnds[0];
}

CChildProcess::~CChildProcess() {
    if (m_pid > 0 && !m_bReaped) Kill();
    if (m_nOutput >= 0) ::close(m_nOutput);
}

bool CChildProcess::Fill(std::chrono::milliseconds timeout) {
    pollfd watched{m_nOutput, POLLIN, 0};
    if (::poll(&watched, 1, static_cast<int>(timeout.count())) <= 0) return false;
    char buffer[4096];
    const ssize_t n = ::read(m_nOutput, buffer, sizeof buffer);
    if (n <= 0) return false;
    m_strPending.append(buffer, static_cast<std::size_t>(n));
    return true;
}

bool CChildProcess::ReadLine(std::string& line, std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto end = m_strPending.find('\n');
        if (end != std::string::npos) {
            line = m_strPending.substr(0, end);
            m_strPending.erase(0, end + 1);
            m_lines.push_back(line);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Fill(left)) return false;
    }
}

bool CChildProcess::WaitFor(const std::string& prefix, std::chrono::milliseconds timeout) {
    std::string line;
    while (ReadLine(line, timeout))
        if (line.starts_with(prefix)) return true;
    return false;
}

void CChildProcess::ReadToEnd() {
    std::string line;
    while (ReadLine(line, std::chrono::milliseconds(2000))) {
    }
}

bool CChildProcess::Kill() {
    if (m_pid <= 0 || m_bReaped) return false;
    ::kill(m_pid, SIGKILL);
    const int status = Wait();
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

int CChildProcess::Wait() {
    if (m_pid > 0 && !m_bReaped) {
        while (::waitpid(m_pid, &m_nStatus, 0) < 0 && errno == EINTR) {
        }
        m_bReaped = true;
    }
    return m_nStatus;
}
