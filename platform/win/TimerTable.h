#pragma once
// The running timers. A timer is due when the clock reaches its due time; taking its WM_TIMER
// starts the next period, so at most one WM_TIMER per timer is ever waiting.

#include "platform/win/WinUser.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace qx::win {

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    TIMERPROC proc = nullptr;
    std::uint64_t due = 0;
};

class TimerTable {
public:
    // Starts or restarts a timer; a null hwnd with an unknown id makes a new id. The id.
    UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, std::uint64_t now);
    bool Kill(HWND hwnd, UINT_PTR id);
    void RemoveFor(HWND hwnd);
    // The due timer with the earliest due time among those that match.
    const Timer* FirstDue(std::uint64_t now, const std::function<bool(const Timer&)>& matches) const;
    const Timer* Find(HWND hwnd, UINT_PTR id) const;
    // Starts the timer's next period from now.
    void Restart(HWND hwnd, UINT_PTR id, std::uint64_t now);
    std::optional<std::uint64_t> NextDue() const;
    void Clear() { m_timers.clear(); }

private:
    std::vector<Timer> m_timers;
    UINT_PTR m_nextThreadTimerId = 0x7FFF0000;
};

}  // namespace qx::win
