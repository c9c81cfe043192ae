#pragma once
// Per-window state of a control class, keyed by handle. Procedures look the state up again after
// every message they send, because the receiver may have destroyed the control meanwhile.

#include "platform/base/WinTypes.h"

#include <memory>
#include <unordered_map>

namespace qx::win {

template <typename State>
class ControlStateTable {
public:
    State* Find(HWND hwnd) {
        auto it = m_states.find(hwnd);
        return it == m_states.end() ? nullptr : it->second.get();
    }
    State& Create(HWND hwnd) { return *(m_states[hwnd] = std::make_unique<State>()); }
    void Erase(HWND hwnd) { m_states.erase(hwnd); }

private:
    std::unordered_map<HWND, std::unique_ptr<State>> m_states;
};

}  // namespace qx::win
