#include "tests/e2e/support/XvfbDisplay.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qx::e2e {
namespace {

constexpr int kStartTimeoutMs = 10000;

bool FoundInPath(const char* program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = folders.find(':', start);
        const std::string folder = folders.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!folder.empty() && access((folder + "/" + program).c_str(), X_OK) == 0) return true;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return false;
}

}  // namespace

bool XvfbDisplay::Start(std::string& error) {
    if (IsRunning()) return true;
    if (!FoundInPath("Xvfb")) {
        error = "Xvfb is not installed (Debian package xvfb)";
        return false;
    }
    int fds[2];
    if (pipe(fds) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        error = std::string("fork: ") + std::strerror(errno);
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (pid == 0) {
        // The server must not outlive a test process that crashes.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    m_pid = pid;

    // Xvfb writes the display number it took once it is ready for clients.
    std::string number;
    pollfd waiting{fds[0], POLLIN, 0};
    while (number.find('\n') == std::string::npos) {
        if (poll(&waiting, 1, kStartTimeoutMs) <= 0) break;
        char buffer[32];
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got <= 0) break;
        number.append(buffer, static_cast<std::size_t>(got));
    }
    close(fds[0]);
    if (number.find('\n') == std::string::npos) {
        Stop();
        error = "Xvfb did not start";
        return false;
    }
    // Built apart and moved in: GCC 12 at -O3 reports a false -Wrestrict for ":" + text.
    std::string name(1, ':');
    name.append(number, 0, number.find('\n'));
    m_strName = std::move(name);
    return true;
}

void XvfbDisplay::Stop() {
    if (m_pid <= 0) return;
    kill(m_pid, SIGTERM);
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    m_strName.clear();
}

}  // namespace qx::e2e
