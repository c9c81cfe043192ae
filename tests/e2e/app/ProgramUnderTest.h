#pragma once
// The real program (bin/qxbrowser) started as a user would start it, on our own Xvfb display
// without a window manager, with a scratch home for whatever it keeps.

#include <string>
#include <sys/types.h>

namespace qx::e2e {

class ProgramUnderTest {
public:
    ProgramUnderTest() = default;
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Starts the program on display; false (with the reason) when it cannot be started.
    bool Start(const std::string& program, const std::string& display, std::string& error);
    // Whether it still runs; once it ended, its exit status (-1 when a signal ended it).
    bool IsRunning();
    int ExitStatus() const { return m_status; }
    // Ends it if it still runs.
    void Stop();

private:
    pid_t m_pid = -1;
    int m_status = -1;
    std::string m_home;
};

}  // namespace qx::e2e
