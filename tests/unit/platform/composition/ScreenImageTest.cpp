// The screen image: top-level windows in z-order over the desktop, and screenshots as PNG.

#include "CompositionTest.h"

#include "support/TempFolder.h"

namespace qx::win::test {
namespace {

const Palette kPalette = {{'r', kRed}, {'g', kGreen}, {'b', kBlue}, {'d', kDesktop}, {'k', 0xFF000000}};

class ScreenImageTest : public CompositionTest {};

TEST_F(ScreenImageTest, WindowsLieOverTheDesktopInZOrder) {
    HWND lower = CreatePopup({1, 0, 4, 2});
    HWND upper = CreatePopup({3, 1, 6, 3});
    HWND hidden = Create(WS_POPUP, {0, 0, 6, 3});
    HWND minimized = CreatePopup({0, 2, 2, 3});
    PaintWith(lower, RGB(255, 0, 0));
    PaintWith(upper, RGB(0, 255, 0));
    PaintWith(hidden, RGB(0, 0, 255));
    PaintWith(minimized, RGB(0, 0, 255));
    PumpPendingMessages();
    ShowWindow(minimized, SW_MINIMIZE);
    SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    EXPECT_TRUE(MatchesPicture(*ScreenArea({0, 0, 7, 4}), {"drrrddd", "drrgggd", "dddgggd", "ddddddd"}, kPalette,
                               "screen-z-order"));

    SetWindowPos(lower, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(MatchesPicture(*ScreenArea({0, 0, 7, 4}), {"drrrddd", "drrrggd", "dddgggd", "ddddddd"}, kPalette,
                               "screen-raised"));
}

// A window that is not layered is opaque: where it painted nothing, the desktop does not show
// through.
TEST_F(ScreenImageTest, UnpaintedPartsOfAPlainWindowCoverTheDesktop) {
    HWND window = CreatePopup({0, 0, 2, 1});
    ValidateRect(window, nullptr);
    EXPECT_TRUE(MatchesPicture(*ScreenArea({0, 0, 3, 1}), {"kkd"}, kPalette, "unpainted"));
}

TEST_F(ScreenImageTest, HeldScreenImageIsNotRedrawnByTheNextOne) {
    HWND window = CreatePopup({0, 0, 1, 1});
    PaintWith(window, RGB(255, 0, 0));
    PumpPendingMessages();
    gfx::SurfacePtr before = ComposeScreenImage();
    ShowWindow(window, SW_HIDE);
    gfx::SurfacePtr after = ComposeScreenImage();
    EXPECT_EQ(before->Pixel(0, 0), kRed);
    EXPECT_EQ(after->Pixel(0, 0), kDesktop);
}

TEST_F(ScreenImageTest, ScreenshotAndWindowImageAreWrittenAsPng) {
    qx::test::TempFolder folder;
    HWND window = CreatePopup({2, 1, 5, 3});
    PaintWith(window, RGB(0, 0, 255));
    PumpPendingMessages();

    ASSERT_TRUE(SaveScreenshot(folder.Path("screen.png")));
    ASSERT_TRUE(SaveWindowImage(window, folder.Path("window.png")));
    cairo_surface_t* screen = cairo_image_surface_create_from_png(folder.Path("screen.png").c_str());
    auto read = gfx::Surface::Adopt(screen);
    const RECT screenRect = backend.ScreenRect();
    EXPECT_EQ(read->width(), screenRect.right - screenRect.left);
    EXPECT_EQ(read->height(), screenRect.bottom - screenRect.top);
    EXPECT_EQ(read->Pixel(2, 1), kBlue);
    EXPECT_EQ(read->Pixel(0, 0), kDesktop);
    auto windowImage = gfx::Surface::Adopt(cairo_image_surface_create_from_png(folder.Path("window.png").c_str()));
    EXPECT_EQ(windowImage->width(), 3);
    EXPECT_EQ(windowImage->Pixel(0, 0), kBlue);

    DestroyWindow(window);
    EXPECT_FALSE(SaveWindowImage(window, folder.Path("dead.png")));
    EXPECT_EQ(ComposeWindowImage(window), nullptr);
    EXPECT_FALSE(SaveScreenshot(folder.Path("no-such-folder/screen.png")));
}

}  // namespace
}  // namespace qx::win::test
