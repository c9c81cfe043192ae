#pragma once
// A WebClock that moves only when told to.

#include "platform/backend/headless/web/WebClock.h"

#include <cstddef>
#include <map>
#include <utility>

namespace qx::web {

class ManualWebClock : public WebClock {
public:
    TimerId Schedule(std::uint32_t delayMs, std::function<void()> callback) override;
    void Cancel(TimerId id) override;

    // Moves time forward by ms, running every callback that falls due on the way in due order,
    // including those scheduled by callbacks meanwhile. Advance(0) runs what is due now.
    void Advance(std::uint32_t ms);

    std::uint64_t Now() const { return m_now; }
    std::size_t Pending() const { return m_timers.size(); }

private:
    // Keyed by (due time, id): ids grow, so equal due times keep the order of scheduling.
    std::map<std::pair<std::uint64_t, TimerId>, std::function<void()>> m_timers;
    std::uint64_t m_now = 0;
    TimerId m_nextId = 1;
};

}  // namespace qx::web
