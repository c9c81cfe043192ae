#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/GdiPlus.h"

#include "PixelCheck.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qx::gfx {
namespace {

using namespace Gdiplus;
using test::MatchesPicture;
using test::SurfaceOfPicture;

const test::Palette kPalette{{'.', 0},          {'a', 0xFF100000}, {'b', 0xFF200000}, {'c', 0xFF300000},
                             {'d', 0xFF000010}, {'e', 0xFF000020}, {'f', 0xFF000030}, {'r', 0xFFFF0000},
                             {'g', 0xFF00FF00}, {'B', 0xFF0000FF}, {'w', 0xFFFFFFFF}, {'h', 0x80000080}};

// An image made of a picture; disposed with the fixture.
class GdiplusDraw : public testing::Test {
protected:
    GpBitmap* Image(const test::Picture& picture) {
        const SurfacePtr pixels = SurfaceOfPicture(picture, kPalette);
        GpBitmap* bitmap = nullptr;
        EXPECT_EQ(GdipCreateBitmapFromScan0(pixels->width(), pixels->height(), cairo_image_surface_get_stride(pixels->cairo()),
                                            PixelFormat32bppPARGB, cairo_image_surface_get_data(pixels->cairo()), &bitmap),
                  Ok);
        m_images.push_back(bitmap);
        return bitmap;
    }
    GpGraphics* GraphicsOn(GpBitmap* target) {
        GpGraphics* graphics = nullptr;
        EXPECT_EQ(GdipGetImageGraphicsContext(target, &graphics), Ok);
        m_graphics.push_back(graphics);
        return graphics;
    }
    void TearDown() override {
        for (GpGraphics* g : m_graphics) GdipDeleteGraphics(g);
        for (GpBitmap* b : m_images) GdipDisposeImage(b);
    }

private:
    std::vector<GpBitmap*> m_images;
    std::vector<GpGraphics*> m_graphics;
};

// The skin's tiling: natural-size tiles over a rectangle, the ones at the right and bottom edges
// cut to what is left and drawn from the image's top-left corner.
void Tile(GpGraphics* graphics, GpBitmap* image, RECT rect) {
    UINT iw = 0, ih = 0;
    GdipGetImageWidth(image, &iw);
    GdipGetImageHeight(image, &ih);
    for (int y = rect.top; y < rect.bottom; y += static_cast<int>(ih)) {
        for (int x = rect.left; x < rect.right; x += static_cast<int>(iw)) {
            const int w = std::min<int>(iw, rect.right - x);
            const int h = std::min<int>(ih, rect.bottom - y);
            if (w < static_cast<int>(iw) || h < static_cast<int>(ih))
                EXPECT_EQ(GdipDrawImageRectRectI(graphics, image, x, y, w, h, 0, 0, w, h, UnitPixel, nullptr, nullptr, nullptr), Ok);
            else
                EXPECT_EQ(GdipDrawImageRectI(graphics, image, x, y, iw, ih), Ok);
        }
    }
}

TEST_F(GdiplusDraw, TilesAtNaturalSizeAreCutAtTheRightAndBottomEdges) {
    GpBitmap* target = Image(std::vector<std::string>(8, std::string(10, '.')));
    Tile(GraphicsOn(target), Image({"abc", "def"}), RECT{1, 1, 8, 6});
    EXPECT_TRUE(MatchesPicture(*SurfaceOfImage(target),
                               {"..........",
                                ".abcabca..",
                                ".defdefd..",
                                ".abcabca..",
                                ".defdefd..",
                                ".abcabca..",
                                "..........",
                                ".........."},
                               kPalette, "tiles"));
}

TEST_F(GdiplusDraw, ImageLargerThanItsRectangleIsCutNotScaled) {
    GpBitmap* target = Image({".....", ".....", "....."});
    Tile(GraphicsOn(target), Image({"abcabc", "defdef", "abcabc", "defdef"}), RECT{1, 0, 4, 2});
    EXPECT_TRUE(MatchesPicture(*SurfaceOfImage(target), {".abc.", ".def.", "....."}, kPalette, "cut_not_scaled"));
}

TEST_F(GdiplusDraw, SourceRectangleAtTheSameSizeIsCopiedExactly) {
    GpBitmap* target = Image({"....", "....", "...."});
    GpBitmap* strip = Image({"aabbccdd", "ef..ffee"});  // four frames of 2 x 2
    ASSERT_EQ(GdipDrawImageRectRectI(GraphicsOn(target), strip, 1, 1, 2, 2, 2, 0, 2, 2, UnitPixel, nullptr, nullptr, nullptr), Ok);
    // The frame's transparent pixels leave what is below them.
    EXPECT_TRUE(MatchesPicture(*SurfaceOfImage(target), {"....", ".bb.", "...."}, kPalette, "frame_same_size"));
}

TEST_F(GdiplusDraw, SourceRectangleIsStretchedWithoutBleedingFromItsNeighbours) {
    GpBitmap* target = Image({"......", "......", "......", "......"});
    GpBitmap* strip = Image({"rrggBBww", "rrggBBww"});
    ASSERT_EQ(GdipDrawImageRectRectI(GraphicsOn(target), strip, 1, 0, 4, 3, 2, 0, 2, 2, UnitPixel, nullptr, nullptr, nullptr), Ok);
    EXPECT_TRUE(MatchesPicture(*SurfaceOfImage(target), {".gggg.", ".gggg.", ".gggg.", "......"}, kPalette, "frame_stretched"));
}

TEST_F(GdiplusDraw, WholeImageIsScaledToTheRectangle) {
    GpBitmap* target = Image({".....", ".....", "....."});
    GpGraphics* graphics = GraphicsOn(target);
    ASSERT_EQ(GdipDrawImageRectI(graphics, Image({"rr", "rr"}), 0, 0, 5, 2), Ok);
    EXPECT_TRUE(MatchesPicture(*SurfaceOfImage(target), {"rrrrr", "rrrrr", "....."}, kPalette, "scaled"));
    // Nothing for empty rectangles, and only pixel units.
    EXPECT_EQ(GdipDrawImageRectI(graphics, Image({"g"}), 0, 2, 0, 1), Ok);
    EXPECT_EQ(GdipDrawImageRectRectI(graphics, Image({"g"}), 0, 2, 1, 1, 0, 0, 0, 1, UnitPixel, nullptr, nullptr, nullptr), Ok);
    EXPECT_EQ(GdipDrawImageRectRectI(graphics, Image({"g"}), 0, 2, 1, 1, 0, 0, 1, 1, UnitPoint, nullptr, nullptr, nullptr),
              NotImplemented);
    EXPECT_TRUE(MatchesPicture(*SurfaceOfImage(target), {"rrrrr", "rrrrr", "....."}, kPalette, "scaled_nothing_more"));
}

TEST_F(GdiplusDraw, TranslucentPixelsBlendOverWhatIsThere) {
    GpBitmap* target = Image({"rr"});
    ASSERT_EQ(GdipDrawImageRectI(GraphicsOn(target), Image({"h."}), 0, 0, 2, 1), Ok);
    // Half-opaque blue over red: still opaque, half of each.
    EXPECT_EQ(SurfaceOfImage(target)->Pixel(0, 0), 0xFF7F0080u);
    EXPECT_EQ(SurfaceOfImage(target)->Pixel(1, 0), 0xFFFF0000u);
}

TEST_F(GdiplusDraw, GraphicsOnADeviceContextDrawsAtItsOriginWithinItsClip) {
    auto surface = std::make_shared<Surface>(6, 3);
    const RECT clip{2, 0, 6, 3};
    HDC dc = CreateSurfaceDC(surface, &clip, POINT{2, 1});
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(dc, &graphics), Ok);
    ASSERT_EQ(GdipDrawImageRectI(graphics, Image({"abc", "def"}), -1, 0, 3, 2), Ok);
    EXPECT_TRUE(MatchesPicture(*surface, {"......", "..bc..", "..ef.."}, kPalette, "graphics_on_dc"));
    GdipDeleteGraphics(graphics);
    DeleteDC(dc);
    EXPECT_EQ(GdipCreateFromHDC(dc, &graphics), InvalidParameter);
    EXPECT_EQ(graphics, nullptr);
}

TEST_F(GdiplusDraw, LayeredRedrawComposesIntoAMemoryBitmap) {
    // The background window's sequence: screen and window contexts, a memory context with a
    // compatible bitmap, a Graphics on it, tiles, then the bitmap's size and pixels.
    HDC screen = CreateSurfaceDC(std::make_shared<Surface>(20, 20));
    HDC window = CreateSurfaceDC(std::make_shared<Surface>(4, 3));
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(window, 4, 3);
    HGDIOBJ original = SelectObject(memory, bitmap);
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(memory, &graphics), Ok);
    Tile(graphics, Image({"a", "d"}), RECT{0, 0, 4, 1});
    Tile(graphics, Image({"e"}), RECT{1, 1, 3, 3});
    BITMAP bm;
    ASSERT_NE(GetObjectW(bitmap, sizeof bm, &bm), 0);
    EXPECT_EQ(bm.bmWidth, 4);
    EXPECT_EQ(bm.bmHeight, 3);
    EXPECT_TRUE(MatchesPicture(*SurfaceOfDC(memory), {"aaaa", ".ee.", ".ee."}, kPalette, "layered_redraw"));
    GdipDeleteGraphics(graphics);
    SelectObject(memory, original);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DeleteDC(window);
    DeleteDC(screen);
}

TEST_F(GdiplusDraw, ClearSetsEveryPixelAndAnImageCanBeDrawnOntoItself) {
    GpBitmap* target = Image({"abc", "def"});
    GpGraphics* graphics = GraphicsOn(target);
    ASSERT_EQ(GdipDrawImageRectRectI(graphics, target, 1, 0, 2, 2, 0, 0, 2, 2, UnitPixel, nullptr, nullptr, nullptr), Ok);
    EXPECT_TRUE(MatchesPicture(*SurfaceOfImage(target), {"aab", "dde"}, kPalette, "onto_itself"));
    ASSERT_EQ(GdipGraphicsClear(graphics, 0x00000000), Ok);
    EXPECT_TRUE(MatchesPicture(*SurfaceOfImage(target), {"...", "..."}, kPalette, "cleared"));
}

TEST_F(GdiplusDraw, HugeRectanglesAreCutToTheTarget) {
    GpBitmap* target = Image({"...", "..."});
    GpGraphics* graphics = GraphicsOn(target);
    GpBitmap* red = Image({"r"});
    constexpr INT kBig = 2147483000;
    EXPECT_EQ(GdipDrawImageRectRectI(graphics, red, kBig, kBig, kBig, kBig, 0, 0, kBig, kBig, UnitPixel, nullptr, nullptr, nullptr), Ok);
    EXPECT_EQ(GdipDrawImageRectRectI(graphics, red, -kBig, 0, kBig, 1, -kBig, 0, kBig, 1, UnitPixel, nullptr, nullptr, nullptr), Ok);
    EXPECT_EQ(GdipDrawImageRectI(graphics, red, -kBig, -kBig, kBig, kBig), Ok);
    EXPECT_EQ(GdipDrawImageRectI(graphics, red, 1, 1, kBig, kBig), Ok);
    const Surface& pixels = *SurfaceOfImage(target);
    EXPECT_EQ(pixels.Pixel(0, 0), 0u);
    EXPECT_EQ(pixels.Pixel(2, 1), 0xFFFF0000u);
}

TEST_F(GdiplusDraw, StalePointersFailCleanly) {
    GpBitmap* target = Image({".."});
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(GdipGetImageGraphicsContext(target, &graphics), Ok);
    GpBitmap* gone = nullptr;
    GdipCreateBitmapFromScan0(1, 1, 0, PixelFormat32bppARGB, nullptr, &gone);
    GdipDisposeImage(gone);
    EXPECT_EQ(GdipDrawImageRectI(graphics, gone, 0, 0, 1, 1), InvalidParameter);
    EXPECT_EQ(GdipDrawImageRectI(graphics, nullptr, 0, 0, 1, 1), InvalidParameter);
    EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
    EXPECT_EQ(GdipDrawImageRectI(graphics, target, 0, 0, 1, 1), InvalidParameter);
    EXPECT_EQ(GdipDrawImageRectRectI(graphics, target, 0, 0, 1, 1, 0, 0, 1, 1, UnitPixel, nullptr, nullptr, nullptr),
              InvalidParameter);
    EXPECT_EQ(GdipGraphicsClear(graphics, 0), InvalidParameter);
    EXPECT_EQ(GdipDeleteGraphics(graphics), InvalidParameter);
    EXPECT_EQ(GdipDeleteGraphics(reinterpret_cast<GpGraphics*>(target)), InvalidParameter);
}

TEST_F(GdiplusDraw, DisposingTheImageOrTheContextUnderAGraphicsIsSafe) {
    GpBitmap* target = nullptr;
    GdipCreateBitmapFromScan0(2, 1, 0, PixelFormat32bppARGB, nullptr, &target);
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(GdipGetImageGraphicsContext(target, &graphics), Ok);
    GdipDisposeImage(target);
    EXPECT_EQ(GdipDrawImageRectI(graphics, Image({"r"}), 0, 0, 1, 1), Ok);  // the pixels live as long as the Graphics
    EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);

    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(memory, 2, 2);
    SelectObject(memory, bitmap);
    ASSERT_EQ(GdipCreateFromHDC(memory, &graphics), Ok);
    DeleteDC(memory);
    DeleteObject(bitmap);
    EXPECT_EQ(GdipDrawImageRectI(graphics, Image({"r"}), 0, 0, 1, 1), Ok);
    EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
}

}  // namespace
}  // namespace qx::gfx
