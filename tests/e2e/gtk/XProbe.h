#pragma once
// Looking at and driving the X display from outside the program under test: pixels of the
// screen, which window the pointer is over, window titles, places and properties, real input
// through xdotool, and the desktop's close request (WM_DELETE_WINDOW).

#include "platform/base/WinTypes.h"

#include <cstdint>
#include <string>
#include <vector>

struct _XDisplay;

namespace qx::e2e {

class XProbe {
public:
    // Opens its own connection to DISPLAY.
    XProbe();
    ~XProbe();
    XProbe(const XProbe&) = delete;
    XProbe& operator=(const XProbe&) = delete;

    bool IsOpen() const { return m_display != nullptr; }

    // The colour on the screen at a point as 0xRRGGBB.
    std::uint32_t ScreenPixel(POINT at);
    // The colours of a screen area, row by row.
    std::vector<std::uint32_t> ScreenArea(RECT area);
    // The top-level X window the pointer is over (input shapes honoured); 0 for the root.
    unsigned long WindowUnderPointer();
    // Where a window is on the screen, and its size; empty when it does not exist.
    RECT WindowRect(unsigned long window);
    bool IsOnScreen(unsigned long window);
    // The window's title (_NET_WM_NAME, else WM_NAME).
    std::string Title(unsigned long window);
    // Whether the window carries the property (by name).
    bool HasProperty(unsigned long window, const std::string& name);
    // The atoms of _NET_WM_STATE set on the window.
    std::vector<std::string> NetWmState(unsigned long window);
    // The top-level windows shown on the screen (children of the root that are viewable).
    std::vector<unsigned long> ViewableTopLevels();
    // What a window manager's close button sends.
    void SendDeleteWindow(unsigned long window);

private:
    _XDisplay* m_display = nullptr;
};

// Runs xdotool with the arguments (against DISPLAY); true when it succeeded.
bool Xdotool(const std::string& arguments);

}  // namespace qx::e2e
