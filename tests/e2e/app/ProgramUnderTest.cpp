#include "tests/e2e/app/ProgramUnderTest.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

namespace qx::e2e {

ProgramUnderTest::~ProgramUnderTest() {
    Stop();
    if (!m_home.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_home, ignored);
    }
}

bool ProgramUnderTest::Start(const std::string& program, const std::string& display, std::string& error) {
    if (access(program.c_str(), X_OK) != 0) {
        error = program + " is not built";
        return false;
    }
    char folder[] = "/tmp/qx-program-XXXXXX";
    if (!mkdtemp(folder)) {
        error = "cannot make a scratch home";
        return false;
    }
    m_home = folder;
    const pid_t pid = fork();
    if (pid < 0) {
        error = std::string("fork: ") + std::strerror(errno);
        return false;
    }
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        setenv("DISPLAY", display.c_str(), 1);
        setenv("HOME", m_home.c_str(), 1);
        setenv("XDG_DATA_HOME", (m_home + "/data").c_str(), 1);
        setenv("XDG_CACHE_HOME", (m_home + "/cache").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (m_home + "/config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", m_home.c_str(), 1);
        setenv("NO_AT_BRIDGE", "1", 1);
        setenv("GSETTINGS_BACKEND", "memory", 1);
        setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 1);
        unsetenv("QX_BACKEND");
        // The exit status is the program's own, not the leak checker's of a sanitizer build.
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        if (chdir(m_home.c_str()) != 0) _exit(126);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    m_pid = pid;
    return true;
}

bool ProgramUnderTest::IsRunning() {
    if (m_pid <= 0) return false;
    int status = 0;
    const pid_t done = waitpid(m_pid, &status, WNOHANG);
    if (done == 0) return true;
    if (done == m_pid) m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    m_pid = -1;
    return false;
}

void ProgramUnderTest::Stop() {
    if (!IsRunning()) return;
    kill(m_pid, SIGTERM);
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_status = -1;
    m_pid = -1;
}

}  // namespace qx::e2e
