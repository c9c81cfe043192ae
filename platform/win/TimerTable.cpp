#include "platform/win/TimerTable.h"

#include <algorithm>

namespace qx::win {

namespace {
// Like the real system: shorter periods are raised to this.
constexpr UINT kMinimumElapse = 10;
}

UINT_PTR TimerTable::Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, std::uint64_t now) {
    elapse = std::max(elapse, kMinimumElapse);
    if (!hwnd && (id == 0 || !Find(nullptr, id))) id = ++m_nextThreadTimerId;
    auto it = std::find_if(m_timers.begin(), m_timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    Timer timer{hwnd, id, elapse, proc, now + elapse};
    if (it == m_timers.end()) {
        m_timers.push_back(timer);
    } else {
        *it = timer;
    }
    return id;
}

bool TimerTable::Kill(HWND hwnd, UINT_PTR id) {
    return std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void TimerTable::RemoveFor(HWND hwnd) {
    std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

const Timer* TimerTable::FirstDue(std::uint64_t now, const std::function<bool(const Timer&)>& matches) const {
    const Timer* first = nullptr;
    for (const Timer& t : m_timers) {
        if (t.due <= now && matches(t) && (!first || t.due < first->due)) first = &t;
    }
    return first;
}

const Timer* TimerTable::Find(HWND hwnd, UINT_PTR id) const {
    for (const Timer& t : m_timers) {
        if (t.hwnd == hwnd && t.id == id) return &t;
    }
    return nullptr;
}

void TimerTable::Restart(HWND hwnd, UINT_PTR id, std::uint64_t now) {
    for (Timer& t : m_timers) {
        if (t.hwnd == hwnd && t.id == id) t.due = now + t.elapse;
    }
}

std::optional<std::uint64_t> TimerTable::NextDue() const {
    std::optional<std::uint64_t> next;
    for (const Timer& t : m_timers) {
        if (!next || t.due < *next) next = t.due;
    }
    return next;
}

}  // namespace qx::win
