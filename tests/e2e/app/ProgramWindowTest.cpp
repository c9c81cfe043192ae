// The browser as a user meets it on an X display without a window manager: where its window
// opens, what its caption says, the skin on the screen, maximise and restore by double click
// in the caption zone, dragging the window pair, and closing it from the desktop.

#include "tests/e2e/app/ProgramUnderTest.h"
#include "tests/e2e/gtk/XProbe.h"
#include "tests/e2e/support/WaitUntil.h"
#include "tests/e2e/support/XvfbDisplay.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

namespace qx::e2e {
namespace {

// Xvfb's screen is 1280 x 1024 and without a window manager the work area is all of it: the
// window opens at 85 % of it, centred.
constexpr RECT kStart{96, 77, 96 + 1088, 77 + 870};
// Maximised: the skin image 2 pixels left of the work area and 4 taller, the main window at the
// work area's corner, 4 wider and 4 taller.
constexpr RECT kMaximizedBackground{-2, 0, 1284, 1028};
constexpr RECT kMaximizedMain{0, 0, 1284, 1028};
// Height of the caption zone (the skin's TITLE_BAR); the title text box covers 8 to 26 of it.
constexpr LONG kCaptionY = 30;

const std::string kCaption = "栎木网络互联";
const std::string kTitledCaption = "栎木网络互联测试版 - ";

// The colour of a skin image at a point of its tiling, as 0xRRGGBB.
std::uint32_t SkinPixel(const std::string& image, int x, int y) {
    const std::string path = std::string(QX_PROGRAM_DIR) + "skin/Default/" + image;
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    std::uint32_t color = 0xFFFFFFFF;
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
        const int width = cairo_image_surface_get_width(png);
        const int height = cairo_image_surface_get_height(png);
        const auto* row = cairo_image_surface_get_data(png) + (y % height) * cairo_image_surface_get_stride(png);
        const std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(row)[x % width];
        // Opaque skin pixels: what the screen shows is the colour itself.
        if ((pixel >> 24) == 0xFF) color = pixel & 0xFFFFFF;
    }
    cairo_surface_destroy(png);
    return color;
}

class ProgramWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        if (!m_xvfb.Start(error)) GTEST_SKIP() << error;
        setenv("DISPLAY", m_xvfb.Name().c_str(), 1);
        m_probe = std::make_unique<XProbe>();
        ASSERT_TRUE(m_probe->IsOpen());
        ASSERT_TRUE(m_program.Start(std::string(QX_PROGRAM_DIR) + "qxbrowser", m_xvfb.Name(), error)) << error;
        ASSERT_TRUE(WaitUntil([&] { return FindWindows() && Place(m_background) == kStart && Place(m_main) == kStart; }))
            << "the window pair did not open at " << kStart.left << "," << kStart.top;
    }
    void TearDown() override { m_program.Stop(); }

    // The background window has the taskbar entry; the main window lies over it without one.
    bool FindWindows() {
        m_background = m_main = 0;
        for (unsigned long window : m_probe->ViewableTopLevels()) {
            const std::vector<std::string> states = m_probe->NetWmState(window);
            const bool skipsTaskbar = std::find(states.begin(), states.end(), "_NET_WM_STATE_SKIP_TASKBAR") != states.end();
            (skipsTaskbar ? m_main : m_background) = window;
        }
        return m_background && m_main;
    }
    RECT Place(unsigned long window) { return m_probe->WindowRect(window); }
    bool DoubleClickAt(POINT at) {
        return Xdotool("mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) + " click --repeat 2 --delay 60 1");
    }

    XvfbDisplay m_xvfb;
    std::unique_ptr<XProbe> m_probe;
    ProgramUnderTest m_program;
    unsigned long m_background = 0;
    unsigned long m_main = 0;
};

TEST_F(ProgramWindowTest, OpensCentredWithItsCaptionAndTheSkinWhereTheSkinPutsIt) {
    const std::string caption = m_probe->Title(m_background);
    EXPECT_TRUE(caption == kCaption || caption.rfind(kTitledCaption, 0) == 0) << caption;
    // The taskbar shows the program's icon with it.
    EXPECT_TRUE(m_probe->HasProperty(m_background, "_NET_WM_ICON"));
    // The title bar and the status bar of the skin, seen through the main window's key colour.
    const LONG width = kStart.right - kStart.left;
    const LONG height = kStart.bottom - kStart.top;
    const POINT title{kStart.left + width / 2, kStart.top + kCaptionY};
    const POINT state{kStart.left + width / 2, kStart.bottom - 2};
    const std::uint32_t titleColor = SkinPixel("title_bar.png", width / 2 - 8, kCaptionY);
    const std::uint32_t stateColor = SkinPixel("state_bar.png", width / 2, 24 - 2);
    EXPECT_TRUE(WaitUntil([&] { return m_probe->ScreenPixel(title) == titleColor && m_probe->ScreenPixel(state) == stateColor; }))
        << std::hex << m_probe->ScreenPixel(title) << " for " << titleColor << ", " << m_probe->ScreenPixel(state) << " for "
        << stateColor << std::dec << " (height " << height << ")";
}

TEST_F(ProgramWindowTest, ADoubleClickInTheCaptionZoneMaximisesAndASecondRestores) {
    ASSERT_TRUE(DoubleClickAt({kStart.left + 600, kStart.top + kCaptionY}));
    EXPECT_TRUE(WaitUntil([&] { return Place(m_background) == kMaximizedBackground && Place(m_main) == kMaximizedMain; }));
    ASSERT_TRUE(DoubleClickAt({600, kCaptionY}));
    EXPECT_TRUE(WaitUntil([&] { return Place(m_background) == kStart && Place(m_main) == kStart; }));
    // Below the caption zone a double click does nothing.
    ASSERT_TRUE(DoubleClickAt({kStart.left + 600, kStart.bottom - 2}));
    RunMainContextFor(std::chrono::milliseconds(300));
    EXPECT_EQ(Place(m_background), kStart);
}

TEST_F(ProgramWindowTest, APressOnATransparentPixelOfTheMainWindowDragsThePair) {
    const POINT press{kStart.left + 600, kStart.top + kCaptionY};
    ASSERT_TRUE(Xdotool("mousemove " + std::to_string(press.x) + " " + std::to_string(press.y) + " mousedown 1"));
    // The move starts once the program took the press; the pointer then carries the pair.
    const RECT moved{kStart.left + 50, kStart.top + 40, kStart.right + 50, kStart.bottom + 40};
    EXPECT_TRUE(WaitUntil([&] {
        Xdotool("mousemove " + std::to_string(press.x + 50) + " " + std::to_string(press.y + 40));
        return Place(m_background) == moved;
    }));
    ASSERT_TRUE(Xdotool("mouseup 1"));
    EXPECT_TRUE(WaitUntil([&] { return Place(m_main) == moved; }));
    EXPECT_EQ(Place(m_background), moved);

    // The caption's text box is see-through to presses: the pair is dragged by it too.
    const POINT title{moved.left + 200, moved.top + 17};
    ASSERT_TRUE(Xdotool("mousemove " + std::to_string(title.x) + " " + std::to_string(title.y) + " mousedown 1"));
    const RECT back{moved.left - 30, moved.top - 20, moved.right - 30, moved.bottom - 20};
    EXPECT_TRUE(WaitUntil([&] {
        Xdotool("mousemove " + std::to_string(title.x - 30) + " " + std::to_string(title.y - 20));
        return Place(m_background) == back;
    }));
    ASSERT_TRUE(Xdotool("mouseup 1"));
    EXPECT_TRUE(WaitUntil([&] { return Place(m_main) == back; }));
}

TEST_F(ProgramWindowTest, TheDesktopsCloseRequestEndsTheProgramCleanly) {
    m_probe->SendDeleteWindow(m_background);
    EXPECT_TRUE(WaitUntil([&] { return !m_program.IsRunning(); }, std::chrono::seconds(30)));
    EXPECT_EQ(m_program.ExitStatus(), 0);
    EXPECT_TRUE(m_probe->ViewableTopLevels().empty());
}

}  // namespace
}  // namespace qx::e2e
