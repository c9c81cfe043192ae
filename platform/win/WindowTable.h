#pragma once
// The live windows by handle, and the z-order of the top-level windows. Handle numbers only
// grow, so a destroyed window's handle never names another window.

#include "platform/win/Window.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace qx::win {

class WindowTable {
public:
    // Takes the record, gives it a new handle and returns it.
    HWND Add(std::unique_ptr<Window> window);
    // The live record, or null for a handle that is dead or was never made.
    Window* Find(HWND hwnd) const;
    void Remove(HWND hwnd);
    // Top-level windows, topmost first.
    std::vector<HWND>& TopLevels() { return m_topLevels; }
    // The list a window is stacked in: its parent's children, or the top-level windows.
    std::vector<HWND>* SiblingsOf(const Window& window);
    std::size_t Count() const { return m_windows.size(); }
    // Forgets every window without a message (the window system is being reset).
    void Clear();

private:
    std::unordered_map<std::uintptr_t, std::unique_ptr<Window>> m_windows;
    std::vector<HWND> m_topLevels;
    std::uintptr_t m_nextId = 0x10000;
};

// Moves hwnd within list: to the front for HWND_TOP, the back for HWND_BOTTOM, otherwise just
// behind after (when after is in the list). Returns whether the order changed.
bool Restack(std::vector<HWND>& list, HWND hwnd, HWND after);

}  // namespace qx::win
