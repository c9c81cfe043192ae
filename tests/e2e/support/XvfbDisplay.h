#pragma once
// An X server of our own for a test process: Xvfb on the first free display number.

#include <string>
#include <sys/types.h>

namespace qx::e2e {

class XvfbDisplay {
public:
    XvfbDisplay() = default;
    ~XvfbDisplay() { Stop(); }
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    // Starts the server and waits until it accepts clients. On failure returns false and says
    // why in error (for instance, Xvfb is not installed).
    bool Start(std::string& error);
    // Ends the server; it also ends by itself when the test process does.
    void Stop();

    bool IsRunning() const { return m_pid > 0; }
    // ":N", for DISPLAY.
    const std::string& Name() const { return m_strName; }

private:
    pid_t m_pid = -1;
    std::string m_strName;
};

}  // namespace qx::e2e
