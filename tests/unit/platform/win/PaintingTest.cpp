// Painting into window surfaces: the update rectangle, erasing, and device contexts.

#include "TestWindows.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Gdi.h"

namespace qx::win::test {
namespace {

class PaintingTest : public WindowTest {};

TEST_F(PaintingTest, BeginPaintClipsToTheUpdateRectangleAndErasesFirstWhenAsked) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    PumpPendingMessages();
    ClearLog();
    RECT area{2, 2, 5, 5};
    InvalidateRect(hwnd, &area, TRUE);
    bool filled = false;
    On(hwnd, WM_ERASEBKGND, [](HWND, WPARAM, LPARAM) -> std::optional<LRESULT> { return 0; });
    On(hwnd, WM_PAINT, [&](HWND self, WPARAM, LPARAM) -> std::optional<LRESULT> {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(self, &ps);
        EXPECT_EQ(ps.rcPaint, (RECT{2, 2, 5, 5}));
        EXPECT_TRUE(ps.fErase) << "the erase handler left the background as it was";
        RECT everything{0, 0, 10, 10};
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        filled = FillRect(dc, &everything, red) != 0;
        DeleteObject(red);
        EndPaint(self, &ps);
        return 0;
    });
    PumpPendingMessages();
    ASSERT_TRUE(filled);
    ASSERT_EQ(Count(hwnd, WM_ERASEBKGND), 1);
    const Window* record = FindWindowRecord(hwnd);
    EXPECT_EQ(record->surface->Pixel(3, 3), 0xFFFF0000u);
    EXPECT_EQ(record->surface->Pixel(1, 1), 0u) << "outside the update rectangle nothing is drawn";
    EXPECT_EQ(record->surface->Pixel(5, 5), 0u);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
}

TEST_F(PaintingTest, InvalidationsGrowOneRectangleAndValidationTakesWholeBands) {
    HWND hwnd = Create(WS_POPUP, {0, 0, 100, 100});
    ValidateRect(hwnd, nullptr);
    RECT a{10, 10, 20, 20};
    RECT b{50, 60, 70, 80};
    InvalidateRect(hwnd, &a, FALSE);
    InvalidateRect(hwnd, &b, FALSE);
    RECT update;
    GetUpdateRect(hwnd, &update, FALSE);
    EXPECT_EQ(update, (RECT{10, 10, 70, 80}));
    RECT top{0, 0, 100, 40};
    ValidateRect(hwnd, &top);
    GetUpdateRect(hwnd, &update, FALSE);
    EXPECT_EQ(update, (RECT{10, 40, 70, 80}));
    RECT outside{200, 200, 300, 300};
    InvalidateRect(hwnd, &outside, FALSE);
    GetUpdateRect(hwnd, &update, FALSE);
    EXPECT_EQ(update, (RECT{10, 40, 70, 80})) << "only the client area can need painting";
}

TEST_F(PaintingTest, UpdateWindowPaintsAtOnce) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    UpdateWindow(hwnd);
    EXPECT_EQ(Count(hwnd, WM_PAINT), 1);
    UpdateWindow(hwnd);
    EXPECT_EQ(Count(hwnd, WM_PAINT), 1) << "nothing left to paint";
}

TEST_F(PaintingTest, ASizeChangeGivesANewSurfaceThatNeedsPainting) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    PumpPendingMessages();
    MoveWindow(hwnd, 0, 0, 30, 20, FALSE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(hwnd, &update, FALSE));
    EXPECT_EQ(update, (RECT{0, 0, 30, 20}));
    qx::gfx::SurfacePtr surface = FindWindowRecord(hwnd)->surface;
    EXPECT_EQ(surface->width(), 30);
    EXPECT_EQ(surface->height(), 20);
}

TEST_F(PaintingTest, GetDcDrawsOnTheWholeClientAndOnTheScreen) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    HDC dc = GetDC(hwnd);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(qx::gfx::SurfaceOfDC(dc), FindWindowRecord(hwnd)->surface);
    EXPECT_EQ(ReleaseDC(hwnd, dc), 1);

    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(qx::gfx::SurfaceOfDC(screen)->width(), 1920);
    EXPECT_EQ(qx::gfx::SurfaceOfDC(screen)->height(), 1080);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(GetDC(HandleFromId<HWND>(0x4444)), nullptr);
}

TEST_F(PaintingTest, DefaultEraseFillsWithTheClassBrush) {
    static const char16_t* kBrushed = u"QxTestBrushed";
    WNDCLASSW wc;
    wc.lpfnWndProc = &DefWindowProcW;
    wc.lpszClassName = kBrushed;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_WINDOW + 1));
    RegisterClassW(&wc);
    HWND hwnd = Create(WS_POPUP | WS_VISIBLE, {0, 0, 4, 4}, nullptr, 0, 0, kBrushed);
    PumpPendingMessages();
    EXPECT_EQ(FindWindowRecord(hwnd)->surface->Pixel(1, 1), 0xFFFFFFFFu);
}

TEST_F(PaintingTest, PaintedTopLevelWindowsArePresented) {
    HWND hwnd = CreatePopup({0, 0, 6, 6});
    On(hwnd, WM_PAINT, [](HWND self, WPARAM, LPARAM) -> std::optional<LRESULT> {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(self, &ps);
        HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
        FillRect(dc, &ps.rcPaint, blue);
        DeleteObject(blue);
        EndPaint(self, &ps);
        return 0;
    });
    PumpPendingMessages();
    const auto* native = backend.FindWindow(hwnd);
    ASSERT_NE(native->image, nullptr);
    EXPECT_EQ(native->image->Pixel(2, 2), 0xFF0000FFu);
    const int presents = native->presentCount;
    PumpPendingMessages();
    EXPECT_EQ(native->presentCount, presents) << "nothing new, nothing presented";
}

}  // namespace
}  // namespace qx::win::test
