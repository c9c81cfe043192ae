#include "app/WindowTimerWebClock.h"

#include <map>
#include <utility>

#include "platform/win/WinApi.h"

namespace qx::app {
namespace {

struct PendingCallback {
    std::set<web::WebClock::TimerId>* owner;
    std::function<void()> callback;
};

// The timer procedure gets only the id, so the callbacks of every clock are kept by id.
std::map<UINT_PTR, PendingCallback>& Callbacks() {
    static std::map<UINT_PTR, PendingCallback> callbacks;
    return callbacks;
}

void OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    auto it = Callbacks().find(id);
    if (it == Callbacks().end()) return;
    // Out of the table first: the callback may schedule or cancel others.
    PendingCallback pending = std::move(it->second);
    Callbacks().erase(it);
    pending.owner->erase(id);
    pending.callback();
}

}  // namespace

WindowTimerWebClock::~WindowTimerWebClock() {
    for (TimerId id : m_pending) {
        ::KillTimer(nullptr, static_cast<UINT_PTR>(id));
        Callbacks().erase(static_cast<UINT_PTR>(id));
    }
}

web::WebClock::TimerId WindowTimerWebClock::Schedule(std::uint32_t delayMs, std::function<void()> callback) {
    const UINT_PTR id = ::SetTimer(nullptr, 0, delayMs, &OnTimer);
    if (id == 0) return 0;
    Callbacks()[id] = {&m_pending, std::move(callback)};
    m_pending.insert(id);
    return id;
}

void WindowTimerWebClock::Cancel(TimerId id) {
    // Only this clock's own timers: ids of others, or already run, are ignored.
    if (m_pending.erase(id) == 0) return;
    ::KillTimer(nullptr, static_cast<UINT_PTR>(id));
    Callbacks().erase(static_cast<UINT_PTR>(id));
}

}  // namespace qx::app
