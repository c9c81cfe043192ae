// Layered windows: attributes and images kept for composition, and the window taking the
// image's place and size.

#include "TestWindows.h"

#include "platform/gfx/Gdi.h"

namespace qx::win::test {
namespace {

class LayeredWindowTest : public WindowTest {
protected:
    // A memory context holding a width x height bitmap whose pixel (x, y) is given.
    HDC SourceWith(int width, int height, int x, int y, COLORREF color) {
        HDC memory = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(memory, width, height);
        SelectObject(memory, bitmap);
        HBRUSH brush = CreateSolidBrush(color);
        RECT pixel{x, y, x + 1, y + 1};
        FillRect(memory, &pixel, brush);
        DeleteObject(brush);
        m_bitmaps.push_back(bitmap);
        return memory;
    }
    ~LayeredWindowTest() override {
        for (HBITMAP bitmap : m_bitmaps) DeleteObject(bitmap);
    }

private:
    std::vector<HBITMAP> m_bitmaps;
};

TEST_F(LayeredWindowTest, AttributesNeedTheLayeredStyleAndAreKept) {
    HWND hwnd = CreatePopup({0, 0, 10, 10});
    EXPECT_FALSE(SetLayeredWindowAttributes(hwnd, RGB(255, 0, 255), 255, LWA_COLORKEY));
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) | WS_EX_COMPOSITED | WS_EX_LAYERED);
    ASSERT_TRUE(SetLayeredWindowAttributes(hwnd, RGB(255, 0, 255), 200, LWA_COLORKEY));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(255, 0, 255));
    EXPECT_EQ(alpha, 200);
    EXPECT_EQ(flags, LWA_COLORKEY);
    EXPECT_TRUE(backend.FindWindow(hwnd)->style.layered);
}

TEST_F(LayeredWindowTest, UpdateTakesACopyOfTheBitmapAndGivesTheWindowItsPlaceAndSize) {
    HWND hwnd = CreatePopup({0, 0, 10, 10}, nullptr, WS_EX_LAYERED);
    ClearLog();
    HDC source = SourceWith(40, 30, 3, 4, RGB(0, 255, 0));
    POINT destination{144, 78};
    SIZE size{40, 30};
    POINT from{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(UpdateLayeredWindow(hwnd, GetDC(nullptr), &destination, &size, source, &from, 0, &blend, ULW_ALPHA));

    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect, (RECT{144, 78, 184, 108}));
    EXPECT_EQ(Count(hwnd, WM_MOVE), 1);
    ASSERT_EQ(Count(hwnd, WM_SIZE), 1);
    EXPECT_EQ(PointOf(Received(hwnd, WM_SIZE)[0].lParam), (POINT{40, 30}));

    const Window* record = FindWindowRecord(hwnd);
    ASSERT_NE(record->layered.image, nullptr);
    EXPECT_EQ(record->layered.image->Pixel(3, 4), 0xFF00FF00u);
    EXPECT_EQ(record->layered.blend.AlphaFormat, AC_SRC_ALPHA);
    EXPECT_EQ(record->layered.updateFlags, ULW_ALPHA);

    // A copy: drawing on the source later changes nothing of the window's image.
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 40, 30};
    FillRect(source, &all, red);
    DeleteObject(red);
    EXPECT_EQ(record->layered.image->Pixel(3, 4), 0xFF00FF00u);
    DeleteDC(source);

    PumpPendingMessages();
    EXPECT_EQ(backend.FindWindow(hwnd)->image->Pixel(3, 4), 0xFF00FF00u) << "the desktop shows the layered image";
}

TEST_F(LayeredWindowTest, UpdateRefusesMissingPixelsAndWindowsThatAreNotLayered) {
    HWND plain = CreatePopup({0, 0, 10, 10});
    HWND layered = CreatePopup({0, 0, 10, 10}, nullptr, WS_EX_LAYERED);
    HDC source = SourceWith(20, 20, 0, 0, RGB(1, 2, 3));
    SIZE size{20, 20};
    SIZE tooLarge{21, 20};
    POINT from{0, 0};
    EXPECT_FALSE(UpdateLayeredWindow(plain, nullptr, nullptr, &size, source, &from, 0, nullptr, ULW_ALPHA));
    EXPECT_FALSE(UpdateLayeredWindow(layered, nullptr, nullptr, &tooLarge, source, &from, 0, nullptr, ULW_ALPHA));
    EXPECT_FALSE(UpdateLayeredWindow(layered, nullptr, nullptr, &size, HandleFromId<HDC>(0x5555), &from, 0, nullptr, ULW_ALPHA));
    EXPECT_EQ(FindWindowRecord(layered)->layered.image, nullptr);
    DeleteDC(source);
}

// The skin window redraws its image for every size it is told; the image it hands over is
// larger than the size it was told while maximised.
TEST_F(LayeredWindowTest, AnUpdateFromTheWindowsOwnSizeHandlerIsNotAnnouncedAgain) {
    HWND hwnd = Create(WS_POPUP | WS_VISIBLE | WS_THICKFRAME, {100, 100, 500, 400}, nullptr, 0, WS_EX_LAYERED);
    On(hwnd, WM_SIZE, [this](HWND self, WPARAM type, LPARAM lParam) -> std::optional<LRESULT> {
        if (type != SIZE_MAXIMIZED) return 0;
        const int cx = LOWORD(static_cast<DWORD>(lParam));
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        HDC source = SourceWith(cx + 6, work.bottom - work.top + 4, 0, 0, RGB(9, 9, 9));
        POINT destination{work.left - 2, work.top};
        SIZE size{cx + 6, work.bottom - work.top + 4};
        POINT from{0, 0};
        UpdateLayeredWindow(self, nullptr, &destination, &size, source, &from, 0, nullptr, ULW_ALPHA);
        DeleteDC(source);
        return 0;
    });
    ClearLog();
    ShowWindow(hwnd, SW_MAXIMIZE);
    ASSERT_EQ(Count(hwnd, WM_SIZE), 1);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect, (RECT{-2, 0, 1924, 1044}));
    EXPECT_TRUE(IsZoomed(hwnd));
    EXPECT_EQ(backend.FindWindow(hwnd)->bounds, rect);
}

}  // namespace
}  // namespace qx::win::test
