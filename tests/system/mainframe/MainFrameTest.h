#pragma once
// Whole-program tests of the main window's chrome: the test skin with image buttons and text
// boxes whose places are easy to reckon with.

#include <ostream>
#include <string>

#include "system/BrowserTest.h"

// Rectangles in failure messages as (left, top, right, bottom).
inline void PrintTo(const RECT& rc, std::ostream* os) {
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace qx::systest {

namespace chrome {
inline constexpr std::uint32_t kButton = 0xFF3060C0;  // every frame of btn.png
inline constexpr int kButtonWidth = 28;                // one frame of btn.png ...
inline constexpr int kButtonHeight = 24;               // ... and its height
}  // namespace chrome

class MainFrameTest : public BrowserTest {
protected:
    // The test skin with btn.png beside it.
    void SetUp() override;

    // Sets the IMG value key of the test skin, adding it when the skin has none.
    void SetSkinValue(const std::string& key, const std::string& value) const;
    // Gives the button element key the image btn.png at (x, y) with its frame size and anchor.
    void SetSkinButton(const std::string& key, int x, int y, const std::string& anchor) const;

    // Sizes the window pair to width x height at (100, 50).
    void SizeWindowTo(int width, int height);
};

// A control's rectangle in the main window's client coordinates.
RECT ControlRect(HWND control);
RECT ControlRect(int id);

}  // namespace qx::systest
