#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Gdi.h"

#include "PixelCheck.h"

#include <gtest/gtest.h>

namespace qx::gfx {
namespace {

using test::MatchesPicture;

TEST(DeviceContext, BridgeGivesTheTargetUntilDeleted) {
    auto surface = std::make_shared<Surface>(4, 4);
    HDC dc = CreateSurfaceDC(surface);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(SurfaceOfDC(dc), surface);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(SurfaceOfDC(dc), nullptr);
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(CreateSurfaceDC(nullptr), nullptr);
}

TEST(DeviceContext, MemoryContextDrawsOnTheSelectedCompatibleBitmap) {
    HDC screen = CreateSurfaceDC(std::make_shared<Surface>(8, 8));
    HDC memory = CreateCompatibleDC(screen);
    ASSERT_NE(memory, nullptr);
    ASSERT_NE(SurfaceOfDC(memory), nullptr);
    EXPECT_EQ(SurfaceOfDC(memory)->width(), 1);  // the 1 x 1 bitmap every memory context starts with

    HBITMAP bitmap = CreateCompatibleBitmap(screen, 3, 2);
    ASSERT_NE(bitmap, nullptr);
    BITMAP bm;
    ASSERT_EQ(GetObjectW(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 3);
    EXPECT_EQ(bm.bmHeight, 2);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(GetObjectW(bitmap, 0, nullptr), static_cast<int>(sizeof bm));
    EXPECT_EQ(GetObjectW(bitmap, sizeof bm - 1, &bm), 0);

    HGDIOBJ original = SelectObject(memory, bitmap);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(SurfaceOfDC(memory), SurfaceOfBitmap(bitmap));
    EXPECT_TRUE(MatchesPicture(*SurfaceOfBitmap(bitmap), {"...", "..."}, {{'.', 0}}, "new_bitmap_is_transparent"));

    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 3, 2};
    EXPECT_TRUE(FillRect(memory, &all, red));
    EXPECT_EQ(SurfaceOfBitmap(bitmap)->Pixel(2, 1), 0xFFFF0000u);

    EXPECT_EQ(SelectObject(memory, original), bitmap);
    EXPECT_EQ(SurfaceOfDC(memory)->width(), 1);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_TRUE(DeleteDC(screen));
}

TEST(DeviceContext, BitmapGoesIntoOneMemoryContextOnly) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HDC window = CreateSurfaceDC(std::make_shared<Surface>(2, 2));
    HBITMAP bitmap = CreateCompatibleBitmap(first, 2, 2);
    ASSERT_NE(SelectObject(first, bitmap), nullptr);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    EXPECT_EQ(SelectObject(window, bitmap), nullptr);
    EXPECT_EQ(SurfaceOfDC(window)->width(), 2);
    // Once the first context is gone the bitmap is free again.
    DeleteDC(first);
    EXPECT_NE(SelectObject(second, bitmap), nullptr);
    EXPECT_EQ(SurfaceOfDC(second), SurfaceOfBitmap(bitmap));
    DeleteDC(second);
    DeleteDC(window);
    DeleteObject(bitmap);
}

TEST(DeviceContext, DeletedBitmapStaysDrawableWhileSelected) {
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(memory, 2, 2);
    HGDIOBJ original = SelectObject(memory, bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(SurfaceOfBitmap(bitmap), nullptr);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT all{0, 0, 2, 2};
    EXPECT_TRUE(FillRect(memory, &all, blue));
    EXPECT_EQ(SurfaceOfDC(memory)->Pixel(1, 1), 0xFF0000FFu);
    EXPECT_EQ(SelectObject(memory, original), bitmap);  // hands back the old, now stale, handle
    DeleteObject(blue);
    DeleteDC(memory);
}

TEST(DeviceContext, CompatibleBitmapSizes) {
    struct Case {
        int width, height;
        bool made;
        int madeWidth, madeHeight;
    };
    const Case cases[] = {
        {5, 7, true, 5, 7},       {0, 0, true, 1, 1},         {0, 9, true, 1, 1},
        {-1, 4, false, 0, 0},     {4, -1, false, 0, 0},       {40000, 2, false, 0, 0},
        {30000, 30000, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        HBITMAP bitmap = CreateCompatibleBitmap(nullptr, c.width, c.height);
        EXPECT_EQ(bitmap != nullptr, c.made);
        if (!bitmap) continue;
        EXPECT_EQ(SurfaceOfBitmap(bitmap)->width(), c.madeWidth);
        EXPECT_EQ(SurfaceOfBitmap(bitmap)->height(), c.madeHeight);
        DeleteObject(bitmap);
    }
}

TEST(DeviceContext, ColoursAndModesAnswerThePreviousValue) {
    HDC dc = CreateSurfaceDC(std::make_shared<Surface>(1, 1));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(SetTextColor(dc, RGB(11, 72, 127)), RGB(0, 0, 0));
    EXPECT_EQ(GetTextColor(dc), RGB(11, 72, 127));
    EXPECT_EQ(SetBkColor(dc, RGB(1, 2, 3)), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    DeleteDC(dc);
}

TEST(DeviceContext, FillRectStaysInsideTheClip) {
    auto surface = std::make_shared<Surface>(5, 4);
    const RECT clip{1, 1, 4, 3};
    HDC dc = CreateSurfaceDC(surface, &clip);
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    RECT all{-10, -10, 10, 10};
    EXPECT_TRUE(FillRect(dc, &all, green));
    EXPECT_TRUE(MatchesPicture(*surface, {".....", ".ggg.", ".ggg.", "....."}, {{'.', 0}, {'g', 0xFF00FF00}},
                               "fill_clipped"));
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, clip);
    DeleteObject(green);
    DeleteDC(dc);
}

TEST(DeviceContext, FillRectIsOffsetByTheOriginAndNarrowedByIntersectClipRect) {
    auto surface = std::make_shared<Surface>(5, 3);
    HDC dc = CreateSurfaceDC(surface, nullptr, POINT{2, 1});
    EXPECT_EQ(IntersectClipRect(dc, 0, 0, 2, 5), SIMPLEREGION);  // surface columns 2 and 3
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT rect{-1, 0, 5, 1};
    FillRect(dc, &rect, red);
    EXPECT_TRUE(MatchesPicture(*surface, {".....", "..rr.", "....."}, {{'.', 0}, {'r', 0xFFFF0000}}, "fill_origin"));
    EXPECT_EQ(IntersectClipRect(dc, 9, 9, 10, 10), NULLREGION);
    DeleteObject(red);
    DeleteDC(dc);
}

TEST(DeviceContext, FillRectOfHugeRectanglesFillsTheClip) {
    auto surface = std::make_shared<Surface>(3, 2);
    HDC dc = CreateSurfaceDC(surface, nullptr, POINT{1, 0});
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const RECT everything{-2147483647, -2147483647, 2147483647, 2147483647};
    EXPECT_TRUE(FillRect(dc, &everything, red));
    EXPECT_TRUE(MatchesPicture(*surface, {"rrr", "rrr"}, {{'r', 0xFFFF0000}}, "fill_huge"));
    DeleteObject(red);
    DeleteDC(dc);
}

TEST(DeviceContext, FillIsOpaqueOverTranslucentPixels) {
    auto surface = std::make_shared<Surface>(2, 1);
    cairo_t* cr = cairo_create(surface->cairo());
    cairo_set_source_rgba(cr, 0, 0, 1, 0.5);
    cairo_paint(cr);
    cairo_destroy(cr);
    HDC dc = CreateSurfaceDC(surface);
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RECT left{0, 0, 1, 1};
    FillRect(dc, &left, white);
    EXPECT_EQ(surface->Pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(surface->Pixel(1, 0) >> 24, 0x80u);
    // Empty rectangles and the hollow brush change nothing.
    RECT backwards{1, 0, 0, 1};
    EXPECT_TRUE(FillRect(dc, &backwards, white));
    RECT right{1, 0, 2, 1};
    EXPECT_TRUE(FillRect(dc, &right, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))));
    EXPECT_EQ(surface->Pixel(1, 0) >> 24, 0x80u);
    DeleteDC(dc);
}

TEST(DeviceContext, BitBltCopiesPixelsWithAlpha) {
    HDC source = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(source, 2, 1);
    SelectObject(source, bitmap);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT first{0, 0, 1, 1};
    FillRect(source, &first, red);
    auto target = std::make_shared<Surface>(3, 1);
    HDC dest = CreateSurfaceDC(target);
    FillRect(dest, std::data({RECT{0, 0, 3, 1}}), red);
    EXPECT_TRUE(BitBlt(dest, 1, 0, 2, 1, source, 0, 0, SRCCOPY));
    EXPECT_TRUE(MatchesPicture(*target, {"rr."}, {{'.', 0}, {'r', 0xFFFF0000}}, "bitblt"));
    EXPECT_FALSE(BitBlt(dest, 0, 0, 1, 1, source, 0, 0, 0x00EE0086));
    DeleteDC(dest);
    DeleteDC(source);
    DeleteObject(bitmap);
    DeleteObject(red);
}

TEST(DeviceContext, StaleAndWrongHandlesFailCleanly) {
    HDC dc = CreateSurfaceDC(std::make_shared<Surface>(2, 2));
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 1, 1);
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    HBRUSH deleted = CreateSolidBrush(0);
    DeleteObject(deleted);
    RECT rect{0, 0, 1, 1};

    EXPECT_FALSE(DeleteObject(deleted));
    EXPECT_FALSE(DeleteObject(dc));                      // a context is not an object
    EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(brush)));  // an object is not a context
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_FALSE(DeleteObject(reinterpret_cast<HGDIOBJ>(1)));
    EXPECT_EQ(SelectObject(dc, deleted), nullptr);
    EXPECT_EQ(SelectObject(dc, dc), nullptr);
    EXPECT_EQ(SelectObject(gone, brush), nullptr);
    EXPECT_FALSE(FillRect(dc, &rect, deleted));
    EXPECT_FALSE(FillRect(gone, &rect, brush));
    EXPECT_FALSE(FillRect(dc, nullptr, brush));
    EXPECT_EQ(GetObjectW(deleted, sizeof(LOGBRUSH), nullptr), 0);
    EXPECT_EQ(GetObjectW(dc, 64, nullptr), 0);
    EXPECT_EQ(SetTextColor(gone, 0), CLR_INVALID);
    EXPECT_EQ(GetBkColor(gone), CLR_INVALID);
    EXPECT_EQ(SetBkMode(gone, OPAQUE), 0);
    EXPECT_EQ(CreateCompatibleDC(gone), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(gone, 1, 1), nullptr);
    EXPECT_EQ(SurfaceOfDC(reinterpret_cast<HDC>(bitmap)), nullptr);
    EXPECT_EQ(SurfaceOfBitmap(reinterpret_cast<HBITMAP>(dc)), nullptr);
    EXPECT_EQ(GetStockObject(99), nullptr);

    // Handles are never reused: a new object never answers to an old handle.
    HBRUSH again = CreateSolidBrush(0);
    EXPECT_NE(again, deleted);
    EXPECT_NE(reinterpret_cast<void*>(again), reinterpret_cast<void*>(gone));

    // Stock objects survive DeleteObject.
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    EXPECT_TRUE(DeleteObject(white));
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), white);
    EXPECT_TRUE(FillRect(dc, &rect, static_cast<HBRUSH>(white)));

    DeleteObject(again);
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST(DeviceContext, ObjectsAreReleased) {
    DeleteDC(CreateCompatibleDC(nullptr));  // the stock objects a context starts with now exist
    const std::size_t before = LiveGdiObjectCount();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    HGDIOBJ original = SelectObject(dc, bitmap);
    SelectObject(dc, original);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EXPECT_EQ(LiveGdiObjectCount(), before);
}

}  // namespace
}  // namespace qx::gfx
