#pragma once
// Pixel checks on tiny windows under the headless backend: windows that paint themselves in solid
// colours, layered images from pixel pictures, and parts of the screen image as pictures.

#include "unit/platform/gfx/PixelCheck.h"
#include "unit/platform/win/TestWindows.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/Composition.h"

namespace qx::win::test {

using gfx::test::MatchesPicture;
using gfx::test::Palette;
using gfx::test::Picture;

// Opaque colours as the surfaces hold them (0xAARRGGBB).
inline constexpr std::uint32_t kRed = 0xFFFF0000;
inline constexpr std::uint32_t kGreen = 0xFF00FF00;
inline constexpr std::uint32_t kBlue = 0xFF0000FF;
inline constexpr std::uint32_t kYellow = 0xFFFFFF00;
inline constexpr std::uint32_t kDesktop =
    0xFF000000 | (GetRValue(kDesktopColor) << 16) | (GetGValue(kDesktopColor) << 8) | GetBValue(kDesktopColor);

// Gives a layered window the picture as its image at a screen point.
inline BOOL UpdateLayeredWith(HWND hwnd, POINT at, const Picture& picture, const Palette& palette,
                              BLENDFUNCTION* blend, DWORD flags) {
    gfx::SurfacePtr image = gfx::test::SurfaceOfPicture(picture, palette);
    HDC source = gfx::CreateSurfaceDC(image);
    SIZE size{image->width(), image->height()};
    POINT origin{0, 0};
    const BOOL done = UpdateLayeredWindow(hwnd, nullptr, &at, &size, source, &origin, 0, blend, flags);
    DeleteDC(source);
    return done;
}
// Gives a layered window the picture with per-pixel alpha.
inline BOOL UpdateLayered(HWND hwnd, POINT at, const Picture& picture, const Palette& palette) {
    BLENDFUNCTION blend;
    blend.AlphaFormat = AC_SRC_ALPHA;
    return UpdateLayeredWith(hwnd, at, picture, palette, &blend, ULW_ALPHA);
}

class CompositionTest : public WindowTest {
protected:
    // Fills what the window is asked to repaint; color gives the colour of each paint in turn.
    void PaintWith(HWND hwnd, std::function<COLORREF()> color) {
        On(hwnd, WM_PAINT, [color](HWND h, WPARAM, LPARAM) -> std::optional<LRESULT> {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(h, &paint);
            HBRUSH brush = CreateSolidBrush(color());
            FillRect(dc, &paint.rcPaint, brush);
            DeleteObject(brush);
            EndPaint(h, &paint);
            return 0;
        });
    }
    void PaintWith(HWND hwnd, COLORREF color) {
        PaintWith(hwnd, [color] { return color; });
    }

    HWND CreateLayeredPopup(RECT rect, HWND owner = nullptr) { return CreatePopup(rect, owner, WS_EX_LAYERED); }

    // A part of the screen image, as a surface of its own.
    static gfx::SurfacePtr ScreenArea(RECT area) {
        gfx::SurfacePtr screen = ComposeScreenImage();
        auto part = std::make_shared<gfx::Surface>(area.right - area.left, area.bottom - area.top);
        cairo_t* cr = cairo_create(part->cairo());
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(cr, screen->cairo(), -area.left, -area.top);
        cairo_paint(cr);
        cairo_destroy(cr);
        return part;
    }

    // The window that took the last left button press.
    HWND PressedAt(POINT screen) {
        ClearLog();
        backend.Click(screen);
        PumpPendingMessages();
        for (const auto& [hwnd, message] : Sequence({WM_LBUTTONDOWN})) {
            if (message == WM_LBUTTONDOWN) return hwnd;
        }
        return nullptr;
    }
};

}  // namespace qx::win::test
