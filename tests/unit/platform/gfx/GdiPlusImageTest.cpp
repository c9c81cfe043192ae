#include "platform/gfx/GdiPlus.h"

#include "PixelCheck.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace qx::gfx {
namespace {

using namespace Gdiplus;
using test::MatchesPicture;
using test::SurfaceOfPicture;
using qx::test::TempFolder;

const test::Palette kPalette{{'.', 0}, {'r', 0xFFFF0000}, {'g', 0xFF00FF00}, {'b', 0xFF0000FF}, {'w', 0xFFFFFFFF}};

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(GdiplusImage, PngLoadsWithItsSizeAndPixels) {
    TempFolder folder;
    ASSERT_TRUE(SurfaceOfPicture({"rgb.", "wrgb"}, kPalette)->WritePng(folder.Path("strip.png")));
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromFile(folder.File("strip.png").c_str(), &bitmap), Ok);
    UINT width = 0, height = 0;
    EXPECT_EQ(GdipGetImageWidth(bitmap, &width), Ok);
    EXPECT_EQ(GdipGetImageHeight(bitmap, &height), Ok);
    EXPECT_EQ(width, 4u);
    EXPECT_EQ(height, 2u);
    EXPECT_TRUE(MatchesPicture(*SurfaceOfImage(bitmap), {"rgb.", "wrgb"}, kPalette, "png_round_trip"));
    EXPECT_EQ(GdipDisposeImage(bitmap), Ok);
    EXPECT_EQ(SurfaceOfImage(bitmap), nullptr);
}

TEST(GdiplusImage, OpaquePngAndSystemPathsLoad) {
    TempFolder folder;
    // An image without an alpha channel comes in as opaque ARGB.
    cairo_surface_t* rgb = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 2, 1);
    cairo_t* cr = cairo_create(rgb);
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_paint(cr);
    cairo_destroy(cr);
    std::filesystem::create_directory(folder.Path("skin"));
    cairo_surface_write_to_png(rgb, folder.Path("skin/opaque.png").c_str());
    cairo_surface_destroy(rgb);

    // The system writes folders with backslashes.
    const std::u16string path = folder.File("") + u"skin\\opaque.png";
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromFile(path.c_str(), &bitmap), Ok);
    EXPECT_TRUE(MatchesPicture(*SurfaceOfImage(bitmap), {"bb"}, kPalette, "png_opaque"));
    GdipDisposeImage(bitmap);
}

TEST(GdiplusImage, FilesThatAreNotReadablePngsGiveNoImageOfSizeZero) {
    TempFolder folder;
    ASSERT_TRUE(SurfaceOfPicture({"rgbw", "rgbw", "rgbw"}, kPalette)->WritePng(folder.Path("good.png")));
    const std::string png = ReadBytes(folder.Path("good.png"));
    folder.WriteBytes("empty.png", "");
    folder.WriteBytes("truncated.png", png.substr(0, png.size() / 2));
    folder.WriteBytes("header-only.png", png.substr(0, 8));
    folder.WriteBytes("text.png", "not a picture at all\n");
    folder.WriteBytes("bitmap.png", "BM\x36\0\0\0\0\0\0\0\x36\0\0\0");
    std::filesystem::create_directory(folder.Path("folder.png"));

    struct Case {
        const char* file;
        Status status;
    };
    const Case cases[] = {
        {"missing.png", FileNotFound},         {"empty.png", UnknownImageFormat},
        {"truncated.png", UnknownImageFormat}, {"header-only.png", UnknownImageFormat},
        {"text.png", UnknownImageFormat},      {"bitmap.png", UnknownImageFormat},
        {"folder.png", FileNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        GpBitmap* bitmap = reinterpret_cast<GpBitmap*>(0x1234);
        EXPECT_EQ(GdipCreateBitmapFromFile(folder.File(c.file).c_str(), &bitmap), c.status);
        EXPECT_EQ(bitmap, nullptr);
        UINT width = 77, height = 77;
        EXPECT_EQ(GdipGetImageWidth(bitmap, &width), InvalidParameter);
        EXPECT_EQ(GdipGetImageHeight(bitmap, &height), InvalidParameter);
        EXPECT_EQ(width, 0u);
        EXPECT_EQ(height, 0u);
        EXPECT_EQ(GdipDisposeImage(bitmap), InvalidParameter);
    }
    GpBitmap* bitmap = nullptr;
    EXPECT_EQ(GdipCreateBitmapFromFile(nullptr, &bitmap), InvalidParameter);
    EXPECT_EQ(GdipCreateBitmapFromFile(folder.File("good.png").c_str(), nullptr), InvalidParameter);
}

TEST(GdiplusImage, Scan0BitmapsAreTransparentOrCopyTheirPixels) {
    GpBitmap* blank = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(3, 2, 0, PixelFormat32bppARGB, nullptr, &blank), Ok);
    EXPECT_TRUE(MatchesPicture(*SurfaceOfImage(blank), {"...", "..."}, kPalette, "scan0_blank"));
    GdipDisposeImage(blank);

    // Straight alpha is premultiplied on the way in.
    std::uint32_t pixels[2] = {0xFF00FF00, 0x80FF0000};
    GpBitmap* copied = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(2, 1, 8, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels), &copied), Ok);
    EXPECT_EQ(SurfaceOfImage(copied)->Pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(SurfaceOfImage(copied)->Pixel(1, 0), 0x80800000u);
    GdipDisposeImage(copied);

    GpBitmap* bitmap = nullptr;
    EXPECT_EQ(GdipCreateBitmapFromScan0(0, 2, 0, PixelFormat32bppARGB, nullptr, &bitmap), InvalidParameter);
    EXPECT_EQ(GdipCreateBitmapFromScan0(2, 2, 0, 0x00021808 /* 24 bpp */, nullptr, &bitmap), InvalidParameter);
    EXPECT_EQ(GdipCreateBitmapFromScan0(2, 1, 4, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels), &bitmap),
              InvalidParameter);  // rows shorter than the width
    EXPECT_EQ(bitmap, nullptr);
}

TEST(GdiplusImage, StaleAndWrongPointersFailCleanly) {
    GpBitmap* bitmap = nullptr;
    GdipCreateBitmapFromScan0(1, 1, 0, PixelFormat32bppARGB, nullptr, &bitmap);
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(0xFF000000, &brush);
    EXPECT_EQ(GdipDisposeImage(bitmap), Ok);
    EXPECT_EQ(GdipDisposeImage(bitmap), InvalidParameter);
    UINT width = 5;
    EXPECT_EQ(GdipGetImageWidth(bitmap, &width), InvalidParameter);
    EXPECT_EQ(width, 0u);
    EXPECT_EQ(GdipGetImageWidth(reinterpret_cast<GpImage*>(brush), &width), InvalidParameter);
    EXPECT_EQ(GdipDisposeImage(reinterpret_cast<GpImage*>(brush)), InvalidParameter);
    EXPECT_EQ(GdipDeleteBrush(brush), Ok);
    EXPECT_EQ(GdipDeleteBrush(brush), InvalidParameter);
    GpGraphics* graphics = nullptr;
    EXPECT_EQ(GdipGetImageGraphicsContext(bitmap, &graphics), InvalidParameter);
    EXPECT_EQ(graphics, nullptr);
    EXPECT_EQ(GdipDeleteGraphics(nullptr), InvalidParameter);
}

TEST(GdiplusImage, StartupCountsUsers) {
    ULONG_PTR token = 0;
    GdiplusStartupInput input;
    EXPECT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    EXPECT_NE(token, 0u);
    GdiplusShutdown(token);
    input.GdiplusVersion = 3;
    EXPECT_EQ(GdiplusStartup(&token, &input, nullptr), UnsupportedGdiplusVersion);
    EXPECT_EQ(GdiplusStartup(nullptr, &input, nullptr), InvalidParameter);
}

}  // namespace
}  // namespace qx::gfx
