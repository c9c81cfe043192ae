#include "platform/win/WindowTable.h"

#include <algorithm>

namespace qx::win {

HWND WindowTable::Add(std::unique_ptr<Window> window) {
    // Steps of 4 keep the handles clear of the small insert-after values (HWND_BOTTOM is 1).
    m_nextId += 4;
    HWND hwnd = HandleFromId<HWND>(m_nextId);
    window->hwnd = hwnd;
    m_windows.emplace(m_nextId, std::move(window));
    return hwnd;
}

Window* WindowTable::Find(HWND hwnd) const {
    auto it = m_windows.find(IdFromHandle(hwnd));
    return it == m_windows.end() ? nullptr : it->second.get();
}

void WindowTable::Remove(HWND hwnd) {
    std::erase(m_topLevels, hwnd);
    m_windows.erase(IdFromHandle(hwnd));
}

std::vector<HWND>* WindowTable::SiblingsOf(const Window& window) {
    if (!IsTopLevel(window)) {
        Window* parent = Find(window.parent);
        return parent ? &parent->children : nullptr;
    }
    return &m_topLevels;
}

void WindowTable::Clear() {
    m_windows.clear();
    m_topLevels.clear();
}

bool Restack(std::vector<HWND>& list, HWND hwnd, HWND after) {
    auto it = std::find(list.begin(), list.end(), hwnd);
    if (it == list.end() || after == hwnd) return false;
    std::vector<HWND> before = list;
    list.erase(it);
    if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
        list.insert(list.begin(), hwnd);
    } else if (after == HWND_BOTTOM) {
        list.push_back(hwnd);
    } else {
        auto anchor = std::find(list.begin(), list.end(), after);
        list.insert(anchor == list.end() ? list.begin() : anchor + 1, hwnd);
    }
    return before != list;
}

}  // namespace qx::win
