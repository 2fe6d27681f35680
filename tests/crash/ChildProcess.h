#pragma once
// A program started with extra environment variables, its standard output
// and error read line by line, that can be killed at any moment.

#include <chrono>
#include <string>
#include <vector>

#include <sys/types.h>

class CChildProcess {
public:
    CChildProcess(const std::string& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& extraEnvironment);
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    bool Started() const { return m_pid > 0; }
    // The next whole line (without its newline); false when none came in
    // time or the output ended.
    bool ReadLine(std::string& line, std::chrono::milliseconds timeout);
    // Waits for a line starting with prefix, keeping every line read.
    bool WaitFor(const std::string& prefix, std::chrono::milliseconds timeout);
    // Every line read so far, and what is left once the process has ended.
    const std::vector<std::string>& Lines() const { return m_lines; }
    void ReadToEnd();
    // SIGKILL, then waits: true when the kill is what ended the process
    // (false when it had already ended of itself).
    bool Kill();
    // Waits until it ends; its wait status.
    int Wait();

private:
    bool Fill(std::chrono::milliseconds timeout);

    pid_t m_pid = -1;
    int m_nOutput = -1;
    int m_nStatus = 0;
    bool m_bReaped = false;
    std::string m_strPending;
    std::vector<std::string> m_lines;
};
