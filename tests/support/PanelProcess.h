#pragma once
// Starts tavelo-panel with the given options, reads the device path it prints, and stops it
// with SIGTERM when done.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace tavelo::test {

class CPanelProcess {
public:
    explicit CPanelProcess(std::vector<std::string> options) {
        const char* bin = std::getenv("TAVELO_BIN_DIR");
        const std::string program = std::string(bin ? bin : ".") + "/tavelo-panel";
        int out[2];
        if (pipe(out) != 0) return;
        m_pid = fork();
        if (m_pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (std::string& option : options) argv.push_back(option.data());
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        close(out[1]);
        m_pOut = fdopen(out[0], "r");
        char line[256] = {};
        if (m_pOut && std::fgets(line, sizeof line, m_pOut)) m_strDevice = line;
        while (!m_strDevice.empty() && m_strDevice.back() == '\n') m_strDevice.pop_back();
    }
    ~CPanelProcess() { Stop(); }
    CPanelProcess(const CPanelProcess&) = delete;
    CPanelProcess& operator=(const CPanelProcess&) = delete;

    const std::string& GetDevice() const { return m_strDevice; }
    // Returns the exit status.
    int Stop() {
        if (m_pid <= 0) return -1;
        kill(m_pid, SIGTERM);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        if (m_pOut) std::fclose(m_pOut);
        m_pOut = nullptr;
        return status;
    }

private:
    pid_t m_pid = -1;
    std::FILE* m_pOut = nullptr;
    std::string m_strDevice;
};

}  // namespace tavelo::test
