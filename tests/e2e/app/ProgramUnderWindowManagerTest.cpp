// The browser on an X display with a real window manager: the manager places the undecorated
// pair, moves it (the program hands the drag over), and closes it with its own shortcut.

#include "tests/e2e/app/ProgramUnderTest.h"
#include "tests/e2e/gtk/XProbe.h"
#include "tests/e2e/support/WaitUntil.h"
#include "tests/e2e/support/XvfbDisplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

// Last: its macros clash with the test framework's names.
#include <X11/Xlib.h>
#undef None
#undef Bool

namespace qx::e2e {
namespace {

constexpr RECT kStart{96, 77, 96 + 1088, 77 + 870};
constexpr RECT kMaximizedMain{0, 0, 1284, 1028};
constexpr LONG kCaptionY = 30;
const char kWindowManager[] = "/usr/bin/openbox";

std::string At(POINT p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

class ProgramUnderWindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (access(kWindowManager, X_OK) != 0) GTEST_SKIP() << kWindowManager << " is not installed";
        std::string error;
        if (!m_xvfb.Start(error)) GTEST_SKIP() << error;
        setenv("DISPLAY", m_xvfb.Name().c_str(), 1);
        m_probe = std::make_unique<XProbe>();
        m_x = XOpenDisplay(nullptr);
        ASSERT_TRUE(m_probe->IsOpen() && m_x);
        m_wm = fork();
        if (m_wm == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            execl(kWindowManager, kWindowManager, static_cast<char*>(nullptr));
            _exit(127);
        }
        ASSERT_TRUE(WaitUntil([&] { return m_probe->HasProperty(DefaultRootWindow(m_x), "_NET_SUPPORTING_WM_CHECK"); }));
        ASSERT_TRUE(m_program.Start(std::string(QX_PROGRAM_DIR) + "qxbrowser", m_xvfb.Name(), error)) << error;
    }
    void TearDown() override {
        m_program.Stop();
        if (m_wm > 0) {
            kill(m_wm, SIGTERM);
            waitpid(m_wm, nullptr, 0);
        }
        if (m_x) XCloseDisplay(m_x);
    }

    // The manager's frames hold the clients; the main window is the one without a taskbar
    // entry. Listed bottom to top, so the main window must come after the background.
    bool FindPair() {
        m_background = m_main = 0;
        bool mainOnTop = false;
        for (unsigned long frame : m_probe->ViewableTopLevels()) {
            Window root = 0, parent = 0, *children = nullptr;
            unsigned int count = 0;
            if (!XQueryTree(m_x, frame, &root, &parent, &children, &count)) continue;
            for (unsigned int i = 0; i < count; ++i) {
                const std::vector<std::string> states = m_probe->NetWmState(children[i]);
                if (m_probe->Title(children[i]).empty() && states.empty()) continue;
                const bool skips = std::find(states.begin(), states.end(), "_NET_WM_STATE_SKIP_TASKBAR") != states.end();
                (skips ? m_main : m_background) = children[i];
                mainOnTop = skips;
            }
            if (children) XFree(children);
        }
        return m_background && m_main && mainOnTop;
    }
    // The window the manager gives the keyboard to (_NET_ACTIVE_WINDOW).
    unsigned long ActiveWindow() {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        unsigned long active = 0;
        if (XGetWindowProperty(m_x, DefaultRootWindow(m_x), XInternAtom(m_x, "_NET_ACTIVE_WINDOW", False), 0, 1, False,
                               AnyPropertyType, &type, &format, &count, &after, &data) == Success &&
            data && count == 1 && format == 32) {
            active = *reinterpret_cast<unsigned long*>(data);
        }
        if (data) XFree(data);
        return active;
    }
    bool PairAt(const RECT& place) {
        return FindPair() && m_probe->WindowRect(m_background) == place && m_probe->WindowRect(m_main) == place;
    }

    XvfbDisplay m_xvfb;
    std::unique_ptr<XProbe> m_probe;
    Display* m_x = nullptr;
    pid_t m_wm = -1;
    ProgramUnderTest m_program;
    unsigned long m_background = 0;
    unsigned long m_main = 0;
};

TEST_F(ProgramUnderWindowManagerTest, OpensCentredMovesMaximisesAndClosesWithTheManager) {
    ASSERT_TRUE(WaitUntil([&] { return PairAt(kStart); })) << "the pair did not open centred at 85 %";

    // Double clicks in the caption zone: maximised to the work area, the main window still on
    // top (the manager raises the clicked background), then back.
    ASSERT_TRUE(Xdotool("mousemove " + At({kStart.left + 600, kStart.top + kCaptionY}) + " click --repeat 2 --delay 60 1"));
    EXPECT_TRUE(WaitUntil([&] { return FindPair() && m_probe->WindowRect(m_main) == kMaximizedMain; }))
        << "not maximised, or the background covers the main window";
    ASSERT_TRUE(Xdotool("mousemove " + At({600, kCaptionY}) + " click --repeat 2 --delay 60 1"));
    EXPECT_TRUE(WaitUntil([&] { return PairAt(kStart); })) << "not restored";

    // A drag by a transparent pixel of the main window: the manager moves the pair.
    const POINT press{kStart.left + 600, kStart.top + kCaptionY};
    const RECT moved{kStart.left + 50, kStart.top + 40, kStart.right + 50, kStart.bottom + 40};
    ASSERT_TRUE(Xdotool("mousemove " + At(press) + " mousedown 1"));
    EXPECT_TRUE(WaitUntil([&] {
        Xdotool("mousemove " + At({press.x + 50, press.y + 40}));
        return m_probe->WindowRect(m_background) == moved;
    }));
    // The main window goes along while the button is still down, not only at the end.
    EXPECT_TRUE(WaitUntil([&] { return m_probe->WindowRect(m_main) == moved; })) << "the main window lags behind";
    ASSERT_TRUE(Xdotool("mouseup 1"));
    EXPECT_TRUE(WaitUntil([&] { return PairAt(moved); })) << "the pair did not end the move together";

    // The manager's close shortcut goes to the active window: the program ends cleanly.
    ASSERT_TRUE(WaitUntil([&] {
        const unsigned long active = ActiveWindow();
        return active && (active == m_background || active == m_main);
    }));
    ASSERT_TRUE(Xdotool("key alt+F4"));
    EXPECT_TRUE(WaitUntil([&] { return !m_program.IsRunning(); }, std::chrono::seconds(20)));
    EXPECT_EQ(m_program.ExitStatus(), 0);
}

}  // namespace
}  // namespace qx::e2e
