#include "platform/backend/headless/web/ManualWebClock.h"

namespace qx::web {

WebClock::TimerId ManualWebClock::Schedule(std::uint32_t delayMs, std::function<void()> callback) {
    const TimerId id = m_nextId++;
    m_timers.emplace(std::make_pair(m_now + delayMs, id), std::move(callback));
    return id;
}

void ManualWebClock::Cancel(TimerId id) {
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (it->first.second == id) {
            m_timers.erase(it);
            return;
        }
    }
}

void ManualWebClock::Advance(std::uint32_t ms) {
    const std::uint64_t target = m_now + ms;
    while (!m_timers.empty() && m_timers.begin()->first.first <= target) {
        auto due = m_timers.begin();
        m_now = due->first.first;
        // Taken out before it runs: the callback may schedule, cancel or destroy anything.
        std::function<void()> callback = std::move(due->second);
        m_timers.erase(due);
        callback();
    }
    m_now = target;
}

}  // namespace qx::web
