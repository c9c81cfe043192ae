#pragma once
// The window system on the GTK backend under our own Xvfb (no window manager, no compositor):
// a layered window with per-pixel alpha and a colour-keyed window owned by it lying exactly over
// it, as the browser's background and main windows do. Input comes from xdotool; what the
// screen shows is read back through X.

#include "platform/backend/gtk/CreateGtkBackend.h"
#include "platform/backend/gtk/GtkBackend.h"
#include "platform/backend/gtk/GtkTopLevel.h"
#include "platform/win/WinApi.h"
#include "tests/e2e/gtk/XProbe.h"
#include "tests/e2e/support/GtkTestDisplay.h"
#include "tests/e2e/support/WaitUntil.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace qx::e2e {

struct SeenMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
};

class GtkWindowsTest : public ::testing::Test {
public:
    static constexpr RECT kPlace{100, 100, 300, 250};
    static constexpr COLORREF kKey = RGB(255, 0, 255);
    // The lower window: blue with a transparent hole in its top-left corner.
    static constexpr RECT kHole{0, 0, 20, 20};
    // The upper window: key colour with a green block.
    static constexpr RECT kBlock{20, 20, 80, 60};

protected:

    void SetUp() override;
    void TearDown() override;

    // Makes the pair and waits until the screen shows it.
    void ShowPair();
    // Runs the window system's queue and GTK until predicate holds (false after the wait).
    bool PumpUntil(const std::function<bool()>& predicate);
    unsigned long XidOf(HWND hwnd) const;
    POINT At(LONG x, LONG y) const { return {kPlace.left + x, kPlace.top + y}; }
    bool Saw(HWND hwnd, UINT message, WPARAM wParam) const;
    bool Saw(HWND hwnd, UINT message) const;
    backend::gtk::GtkBackend& Gtk() const { return static_cast<backend::gtk::GtkBackend&>(*m_backend); }

    std::unique_ptr<backend::Backend> m_backend;
    std::unique_ptr<win::WindowSystemScope> m_scope;
    std::unique_ptr<XProbe> m_probe;
    HWND m_lower = nullptr;
    HWND m_upper = nullptr;
};

// What the windows' procedures saw, in order.
std::vector<SeenMessage>& Seen();

}  // namespace qx::e2e
