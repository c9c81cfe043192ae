#include "tests/e2e/gtk/GtkWindowsFixture.h"

#include "platform/backend/gtk/GtkInput.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/controls/StandardControls.h"

#include <algorithm>

// Last: its macros would spoil the headers above.
#include <gdk/gdkx.h>

namespace qx::e2e {

namespace {

bool IsRecorded(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_KEYDOWN || message == WM_CHAR ||
           message == WM_SYSCOMMAND;
}

LRESULT LowerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsRecorded(message)) Seen().push_back({hwnd, message, wParam});
    switch (message) {
    case WM_LBUTTONDOWN:
        // As the browser's background window: a press starts moving the pair.
        SendMessageW(hwnd, WM_SYSCOMMAND, 0xF011, 0);
        return 0;
    case WM_MOVE:
        if (HWND upper = reinterpret_cast<HWND>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
            RECT r;
            GetWindowRect(hwnd, &r);
            MoveWindow(upper, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
        }
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT UpperProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsRecorded(message)) Seen().push_back({hwnd, message, wParam});
    if (message == WM_CTLCOLOREDIT) {
        // Edits on the key colour: the lower window shows behind their text.
        static HBRUSH key = CreateSolidBrush(GtkWindowsTest::kKey);
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(key);
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        HBRUSH key = CreateSolidBrush(GtkWindowsTest::kKey);
        HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
        FillRect(dc, &client, key);
        FillRect(dc, &GtkWindowsTest::kBlock, green);
        DeleteObject(key);
        DeleteObject(green);
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Register(LPCWSTR name, WNDPROC proc) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

}  // namespace

std::vector<SeenMessage>& Seen() {
    static std::vector<SeenMessage> seen;
    return seen;
}

void GtkWindowsTest::SetUp() {
    const std::string why = PrepareGtkDisplay();
    if (!why.empty()) GTEST_SKIP() << why;
    int argc = 0;
    char** argv = nullptr;
    m_backend = backend::CreateGtkBackend(argc, argv);
    ASSERT_NE(m_backend, nullptr);
    m_scope = std::make_unique<win::WindowSystemScope>(*m_backend);
    m_probe = std::make_unique<XProbe>();
    ASSERT_TRUE(m_probe->IsOpen());
    Seen().clear();
    Register(u"QxE2eLower", &LowerProc);
    Register(u"QxE2eUpper", &UpperProc);
    win::RegisterStandardControls();
    // Nothing of an earlier test under the pointer.
    Xdotool("mousemove 5 5");
}

void GtkWindowsTest::TearDown() {
    if (m_lower && IsWindow(m_lower)) DestroyWindow(m_lower);
    if (m_scope) win::PumpPendingMessages();
    m_scope.reset();
    m_backend.reset();
    RunMainContextFor(std::chrono::milliseconds(20));
}

void GtkWindowsTest::ShowPair() {
    const int width = kPlace.right - kPlace.left;
    const int height = kPlace.bottom - kPlace.top;
    m_lower = CreateWindowExW(WS_EX_LAYERED, u"QxE2eLower", u"Lower", WS_POPUP, kPlace.left, kPlace.top, width, height,
                              nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(m_lower, nullptr);
    auto image = std::make_shared<gfx::Surface>(width, height);
    cairo_t* cr = cairo_create(image->cairo());
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, kHole.left, kHole.top, kHole.right - kHole.left, kHole.bottom - kHole.top);
    cairo_fill(cr);
    cairo_destroy(cr);
    HDC source = gfx::CreateSurfaceDC(image);
    POINT to{kPlace.left, kPlace.top};
    SIZE size{width, height};
    POINT from{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(UpdateLayeredWindow(m_lower, nullptr, &to, &size, source, &from, 0, &blend, ULW_ALPHA));
    DeleteDC(source);

    m_upper = CreateWindowExW(WS_EX_LAYERED, u"QxE2eUpper", u"Upper", WS_POPUP, kPlace.left, kPlace.top, width, height,
                              m_lower, nullptr, nullptr, nullptr);
    ASSERT_NE(m_upper, nullptr);
    ASSERT_TRUE(SetLayeredWindowAttributes(m_upper, kKey, 255, LWA_COLORKEY));
    SetWindowLongPtrW(m_lower, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_upper));
    ShowWindow(m_lower, SW_SHOW);
    ShowWindow(m_upper, SW_SHOW);
    ASSERT_TRUE(PumpUntil([&] {
        return m_probe->ScreenPixel(At(150, 120)) == 0x0000FF && m_probe->ScreenPixel(At(50, 40)) == 0x00FF00;
    })) << "the pair never showed: " << std::hex << m_probe->ScreenPixel(At(150, 120)) << " " << m_probe->ScreenPixel(At(50, 40))
         << " viewable " << m_probe->IsOnScreen(XidOf(m_lower)) << m_probe->IsOnScreen(XidOf(m_upper)) << std::dec << " "
         << m_probe->WindowRect(XidOf(m_lower)).left << "," << m_probe->WindowRect(XidOf(m_lower)).right;
}

bool GtkWindowsTest::PumpUntil(const std::function<bool()>& predicate) {
    // As the program's own loop waits: through the backend, between the window system's turns.
    const std::uint64_t deadline = m_backend->Now() + static_cast<std::uint64_t>(kDefaultWait.count());
    for (;;) {
        win::PumpPendingMessages();
        if (predicate()) return true;
        if (m_backend->Now() >= deadline) return false;
        m_backend->WaitForEvents(std::min(deadline, m_backend->Now() + 10));
    }
}

unsigned long GtkWindowsTest::XidOf(HWND hwnd) const {
    backend::gtk::GtkTopLevel* top = Gtk().FindTopLevel(hwnd);
    GdkWindow* window = top ? gtk_widget_get_window(GTK_WIDGET(top->Window())) : nullptr;
    return window ? gdk_x11_window_get_xid(window) : 0;
}

bool GtkWindowsTest::Saw(HWND hwnd, UINT message, WPARAM wParam) const {
    return std::any_of(Seen().begin(), Seen().end(),
                       [&](const SeenMessage& m) { return m.hwnd == hwnd && m.message == message && m.wParam == wParam; });
}

bool GtkWindowsTest::Saw(HWND hwnd, UINT message) const {
    return std::any_of(Seen().begin(), Seen().end(), [&](const SeenMessage& m) { return m.hwnd == hwnd && m.message == message; });
}

}  // namespace qx::e2e
