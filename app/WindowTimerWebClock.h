#pragma once
// A WebClock on the window system's timers, so scripted pages load on the backend's clock while
// the program's message loop runs. Timers shorter than the window system's shortest run at it.

#include "platform/backend/headless/web/WebClock.h"

#include <set>

namespace qx::app {

class WindowTimerWebClock final : public web::WebClock {
public:
    WindowTimerWebClock() = default;
    // Stops the callbacks not yet run; needs the window system still running.
    ~WindowTimerWebClock() override;
    WindowTimerWebClock(const WindowTimerWebClock&) = delete;
    WindowTimerWebClock& operator=(const WindowTimerWebClock&) = delete;

    TimerId Schedule(std::uint32_t delayMs, std::function<void()> callback) override;
    void Cancel(TimerId id) override;

private:
    std::set<TimerId> m_pending;
};

}  // namespace qx::app
