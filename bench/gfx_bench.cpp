// The skinned background window's redraw: a 1632 x 884 image composed from 21 tiled PNG
// elements, as the layered window does on every size change (load each image, tile it at
// natural size with the edge tiles cut, release it), and its parts on their own.

#include "platform/base/Strings.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/GdiPlus.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace Gdiplus;

constexpr int kWidth = 1632;
constexpr int kHeight = 884;

struct Element {
    const char* file;
    int imageWidth, imageHeight;
    RECT rect;  // in the 1632 x 884 image
};

// A plausible default skin at the window size of a 1920 x 1040 work area: thin bar slices
// repeated across the width, corners, one-pixel borders, box backgrounds.
const std::vector<Element>& Elements() {
    static const std::vector<Element> s_elements = {
        {"title_bar.png", 4, 32, {0, 0, kWidth, 32}},
        {"title_bar_l.png", 8, 32, {0, 0, 8, 32}},
        {"title_bar_r.png", 8, 32, {kWidth - 8, 0, kWidth, 32}},
        {"address_bar.png", 2, 40, {0, 32, kWidth, 72}},
        {"tab_bar.png", 2, 30, {0, 72, kWidth, 102}},
        {"left_tools_bar.png", 48, 2, {0, 102, 48, kHeight - 24}},
        {"main_content.png", 32, 32, {48, 102, kWidth, kHeight - 24}},
        {"state_bar.png", 2, 24, {0, kHeight - 24, kWidth, kHeight}},
        {"project_ico.png", 24, 24, {8, 4, 32, 28}},
        {"border_left.png", 2, 4, {0, 32, 2, kHeight}},
        {"border_right.png", 2, 4, {kWidth - 2, 32, kWidth, kHeight}},
        {"border_top.png", 4, 2, {0, 0, kWidth, 2}},
        {"border_bottom.png", 4, 2, {0, kHeight - 2, kWidth, kHeight}},
        {"border_lt.png", 6, 6, {0, 0, 6, 6}},
        {"border_rt.png", 6, 6, {kWidth - 6, 0, kWidth, 6}},
        {"address_bg_l.png", 6, 28, {150, 38, 156, 66}},
        {"address_bg_m.png", 1, 28, {156, 38, 1100, 66}},
        {"address_bg_r.png", 6, 28, {1100, 38, 1106, 66}},
        {"search_bg_l.png", 6, 28, {1120, 38, 1126, 66}},
        {"search_bg_m.png", 1, 28, {1126, 38, 1520, 66}},
        {"search_bg_r.png", 6, 28, {1520, 38, 1526, 66}},
    };
    return s_elements;
}

// The skin folder, made once: each image a vertical gradient, corners with soft alpha.
const std::string& SkinFolder() {
    static const std::string s_folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "qx-bench-skin-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        for (const Element& e : Elements()) {
            qx::gfx::Surface image(e.imageWidth, e.imageHeight);
            cairo_t* cr = cairo_create(image.cairo());
            cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, e.imageWidth, e.imageHeight);
            cairo_pattern_add_color_stop_rgba(gradient, 0, 0.85, 0.90, 0.96, 1);
            cairo_pattern_add_color_stop_rgba(gradient, 1, 0.70, 0.80, 0.92, e.imageWidth == e.imageHeight ? 0.4 : 1);
            cairo_set_source(cr, gradient);
            cairo_paint(cr);
            cairo_pattern_destroy(gradient);
            cairo_destroy(cr);
            image.WritePng(pattern + "/" + e.file);
        }
        std::atexit([] { std::filesystem::remove_all(SkinFolder()); });
        return pattern;
    }();
    return s_folder;
}

void Tile(GpGraphics* graphics, GpBitmap* image, const RECT& rect) {
    UINT iw = 0, ih = 0;
    GdipGetImageWidth(image, &iw);
    GdipGetImageHeight(image, &ih);
    if (iw == 0 || ih == 0) return;
    for (int y = rect.top; y < rect.bottom; y += static_cast<int>(ih)) {
        for (int x = rect.left; x < rect.right; x += static_cast<int>(iw)) {
            const int w = std::min<int>(iw, rect.right - x);
            const int h = std::min<int>(ih, rect.bottom - y);
            if (w < static_cast<int>(iw) || h < static_cast<int>(ih))
                GdipDrawImageRectRectI(graphics, image, x, y, w, h, 0, 0, w, h, UnitPixel, nullptr, nullptr, nullptr);
            else
                GdipDrawImageRectI(graphics, image, x, y, iw, ih);
        }
    }
}

std::u16string PathOf(const Element& e) { return qx::Utf8ToWide(SkinFolder() + "/" + e.file); }

int TileCount() {
    int count = 0;
    for (const Element& e : Elements()) {
        const int w = e.rect.right - e.rect.left, h = e.rect.bottom - e.rect.top;
        count += ((w + e.imageWidth - 1) / e.imageWidth) * ((h + e.imageHeight - 1) / e.imageHeight);
    }
    return count;
}

// The whole redraw: contexts, a fresh compatible bitmap, every image loaded, tiled and released.
void BM_LayeredRedraw(benchmark::State& state) {
    std::vector<std::u16string> paths;
    for (const Element& e : Elements()) paths.push_back(PathOf(e));
    HDC screen = qx::gfx::CreateSurfaceDC(std::make_shared<qx::gfx::Surface>(1, 1));
    for (auto _ : state) {
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
        HGDIOBJ original = SelectObject(memory, bitmap);
        GpGraphics* graphics = nullptr;
        GdipCreateFromHDC(memory, &graphics);
        for (std::size_t i = 0; i < paths.size(); ++i) {
            GpBitmap* image = nullptr;
            GdipCreateBitmapFromFile(paths[i].c_str(), &image);
            Tile(graphics, image, Elements()[i].rect);
            GdipDisposeImage(image);
        }
        BITMAP bm;
        GetObjectW(bitmap, sizeof bm, &bm);
        benchmark::DoNotOptimize(qx::gfx::SurfaceOfDC(memory)->Pixel(kWidth / 2, kHeight / 2));
        GdipDeleteGraphics(graphics);
        SelectObject(memory, original);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    DeleteDC(screen);
    state.counters["tiles"] = TileCount();
    state.counters["redraws/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LayeredRedraw)->Unit(benchmark::kMillisecond);

// Only the tiling, with the images already loaded: the cost of the draws themselves.
void BM_TileOnly(benchmark::State& state) {
    std::vector<GpBitmap*> images;
    for (const Element& e : Elements()) {
        GpBitmap* image = nullptr;
        GdipCreateBitmapFromFile(PathOf(e).c_str(), &image);
        images.push_back(image);
    }
    GpBitmap* target = nullptr;
    GdipCreateBitmapFromScan0(kWidth, kHeight, 0, PixelFormat32bppARGB, nullptr, &target);
    GpGraphics* graphics = nullptr;
    GdipGetImageGraphicsContext(target, &graphics);
    for (auto _ : state) {
        for (std::size_t i = 0; i < images.size(); ++i) Tile(graphics, images[i], Elements()[i].rect);
        benchmark::ClobberMemory();
    }
    GdipDeleteGraphics(graphics);
    GdipDisposeImage(target);
    for (GpBitmap* image : images) GdipDisposeImage(image);
    state.counters["draws/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * TileCount(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TileOnly)->Unit(benchmark::kMillisecond);

// Only the loading: the 21 PNG files decoded and released.
void BM_LoadSkinImages(benchmark::State& state) {
    std::vector<std::u16string> paths;
    for (const Element& e : Elements()) paths.push_back(PathOf(e));
    for (auto _ : state) {
        for (const std::u16string& path : paths) {
            GpBitmap* image = nullptr;
            GdipCreateBitmapFromFile(path.c_str(), &image);
            GdipDisposeImage(image);
        }
    }
}
BENCHMARK(BM_LoadSkinImages)->Unit(benchmark::kMicrosecond);

// One tab title: measured in the available width, cut, drawn into a 160 x 26 bitmap.
void BM_TabTitle(benchmark::State& state) {
    GpFontFamily* family = nullptr;
    GdipGetGenericFontFamilySansSerif(&family);
    GpFont* font = nullptr;
    GdipCreateFont(family, 10, FontStyleRegular, UnitPoint, &font);
    GpSolidFill* black = nullptr;
    GdipCreateSolidFill(0xFF000000, &black);
    GpStringFormat* format = nullptr;
    GdipCreateStringFormat(0, 0, &format);
    GdipSetStringFormatAlign(format, StringAlignmentCenter);
    const std::u16string title = u"栎木网络互联测试版 - 百度一下，你就知道 - a rather long page title";
    for (auto _ : state) {
        GpBitmap* bitmap = nullptr;
        GdipCreateBitmapFromScan0(160, 26, 0, PixelFormat32bppARGB, nullptr, &bitmap);
        GpGraphics* graphics = nullptr;
        GdipGetImageGraphicsContext(bitmap, &graphics);
        REAL height = 0;
        GdipGetFontHeight(font, graphics, &height);
        const RectF layout{22, 8, 118, height};
        INT fitted = 0;
        GdipMeasureString(graphics, title.c_str(), -1, font, &layout, format, nullptr, &fitted, nullptr);
        const std::u16string shown = title.substr(0, static_cast<std::size_t>(fitted));
        const RectF point{22, 8, 0, 0};
        GdipDrawString(graphics, shown.c_str(), -1, font, &point, nullptr, black);
        GdipDeleteGraphics(graphics);
        GdipDisposeImage(bitmap);
    }
    GdipDeleteStringFormat(format);
    GdipDeleteBrush(black);
    GdipDeleteFont(font);
}
BENCHMARK(BM_TabTitle)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
