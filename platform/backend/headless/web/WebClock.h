#pragma once
// The time source the scripted web engine runs on. The headless backend hands it its virtual
// clock; tests of the engine alone use ManualWebClock.

#include <cstdint>
#include <functional>

namespace qx::web {

class WebClock {
public:
    using TimerId = std::uint64_t;

    virtual ~WebClock() = default;

    // Runs callback once, delayMs of clock time from now; 0 runs it at the clock's next turn,
    // never inside this call. Callbacks due at the same time run in the order scheduled.
    virtual TimerId Schedule(std::uint32_t delayMs, std::function<void()> callback) = 0;
    // Forgets a callback that has not run yet; ids already run or unknown are ignored.
    virtual void Cancel(TimerId id) = 0;
};

}  // namespace qx::web
