// The window layer's share of a frame: a full repaint of the main window (1632 x 884, about 30
// child controls with their own surfaces, colour-keyed background) painted, composed and
// presented; the composition and the colour-key pass on their own; and the layered background
// image of the same size composed into the screen image.

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/Composition.h"
#include "platform/win/LayeredEffects.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowComposer.h"
#include "platform/win/WindowSystem.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kWidth = 1632;
constexpr int kHeight = 884;
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr const char16_t* kFrameClass = u"QxBenchFrame";
constexpr const char16_t* kButtonClass = u"QxBenchButton";

// The picture every button copies in, as the image buttons copy their skin strip.
HDC g_buttonImage = nullptr;

LRESULT ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, g_buttonImage, 0, 0, SRCCOPY);
    EndPaint(hwnd, &paint);
    return 0;
}

// The main window paints its background in the key colour and a white page area.
LRESULT FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    HBRUSH key = CreateSolidBrush(kKey);
    HBRUSH page = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &paint.rcPaint, key);
    RECT area{52, 106, kWidth - 4, kHeight - 28};
    FillRect(dc, &area, page);
    DeleteObject(key);
    DeleteObject(page);
    EndPaint(hwnd, &paint);
    return 0;
}

void RegisterClasses() {
    static bool s_done = false;
    if (s_done) return;
    s_done = true;
    WNDCLASSW frame;
    frame.lpfnWndProc = &FrameProc;
    frame.lpszClassName = kFrameClass;
    RegisterClassW(&frame);
    WNDCLASSW button;
    button.lpfnWndProc = &ButtonProc;
    button.lpszClassName = kButtonClass;
    RegisterClassW(&button);

    auto image = std::make_shared<qx::gfx::Surface>(120, 32);
    cairo_t* cr = cairo_create(image->cairo());
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, 32);
    cairo_pattern_add_color_stop_rgb(gradient, 0, 0.92, 0.95, 0.99);
    cairo_pattern_add_color_stop_rgb(gradient, 1, 0.70, 0.80, 0.93);
    cairo_set_source(cr, gradient);
    cairo_paint(cr);
    cairo_pattern_destroy(gradient);
    cairo_destroy(cr);
    g_buttonImage = qx::gfx::CreateSurfaceDC(image);
}

// The main window of the browser at the size it opens with on a 1920 x 1040 work area: title,
// tool and address bar buttons, tabs, left column and the edit boxes, 30 children in all.
struct MainWindow {
    HWND frame = nullptr;
    std::vector<HWND> children;

    MainWindow() {
        RegisterClasses();
        frame = CreateWindowExW(WS_EX_LAYERED, kFrameClass, u"", WS_POPUP | WS_VISIBLE, 144, 78, kWidth, kHeight,
                                nullptr, nullptr, nullptr, nullptr);
        SetLayeredWindowAttributes(frame, kKey, 255, LWA_COLORKEY);
        auto add = [&](int x, int y, int w, int h) {
            children.push_back(CreateWindowExW(0, kButtonClass, u"", WS_CHILD | WS_VISIBLE, x, y, w, h, frame,
                                               nullptr, nullptr, nullptr));
        };
        for (int i = 0; i < 3; ++i) add(kWidth - 30 * (i + 1), 2, 28, 22);       // close, maximise, minimise
        for (int i = 0; i < 6; ++i) add(8 + 34 * i, 40, 30, 28);                  // back ... settings
        add(230, 40, 24, 28);                                                     // page icon
        add(254, 40, 800, 28);                                                    // address box
        add(1054, 40, 28, 28);                                                    // go
        add(1100, 40, 24, 28);                                                    // search icon
        add(1124, 40, 400, 28);                                                   // search box
        add(1524, 40, 28, 28);                                                    // go
        for (int i = 0; i < 6; ++i) add(52 + 160 * i, 76, 158, 28);               // tabs
        add(52 + 160 * 6, 76, 28, 28);                                            // new tab
        for (int i = 0; i < 2; ++i) add(10, 120 + 40 * i, 32, 32);                // left column
        add(40, 6, 600, 20);                                                      // title text
        add(8, kHeight - 24, 800, 20);                                            // status text
        for (int i = 0; i < 4; ++i) add(kWidth - 200 + 40 * i, kHeight - 24, 36, 20);
        qx::win::PumpPendingMessages();
    }
    ~MainWindow() { DestroyWindow(frame); }
};

struct Desktop {
    qx::backend::HeadlessBackend backend;
    qx::win::WindowSystemScope scope{backend};
};

// Everything invalid, then painted (frame and children), composed with the key and presented.
void BM_MainWindowRepaint(benchmark::State& state) {
    Desktop desktop;
    MainWindow window;
    for (auto _ : state) {
        InvalidateRect(window.frame, nullptr, TRUE);
        for (HWND child : window.children) InvalidateRect(child, nullptr, TRUE);
        qx::win::PumpPendingMessages();
    }
    state.counters["children"] = static_cast<double>(window.children.size());
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MainWindowRepaint)->Unit(benchmark::kMillisecond);

// The composition alone: frame surface, 30 children over it, the colour-key pass.
void BM_ComposeMainWindow(benchmark::State& state) {
    Desktop desktop;
    MainWindow window;
    for (auto _ : state) {
        qx::win::MarkForPresent(window.frame);
        benchmark::DoNotOptimize(&qx::win::ComposedImage(*qx::win::Find(window.frame)));
    }
}
BENCHMARK(BM_ComposeMainWindow)->Unit(benchmark::kMillisecond);

void BM_ColorKeyPass(benchmark::State& state) {
    qx::gfx::Surface image(kWidth, kHeight);
    for (auto _ : state) {
        qx::win::ApplyColorKey(image, kKey);
        benchmark::ClobberMemory();
    }
    state.counters["pixels/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kWidth * kHeight, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ColorKeyPass)->Unit(benchmark::kMicrosecond);

// A 1632 x 884 per-pixel alpha image, soft at the corners, as the background window gives.
HWND MakeLayeredBackground() {
    auto image = std::make_shared<qx::gfx::Surface>(kWidth, kHeight);
    cairo_t* cr = cairo_create(image->cairo());
    cairo_set_source_rgba(cr, 0.75, 0.84, 0.95, 1);
    cairo_rectangle(cr, 6, 6, kWidth - 12, kHeight - 12);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 0.2, 0.3, 0.5, 0.4);
    cairo_rectangle(cr, 0, 0, kWidth, 6);
    cairo_fill(cr);
    cairo_destroy(cr);
    HWND hwnd = CreateWindowExW(WS_EX_LAYERED, kFrameClass, u"", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr, nullptr,
                                nullptr, nullptr);
    HDC source = qx::gfx::CreateSurfaceDC(image);
    POINT at{144, 78}, origin{0, 0};
    SIZE size{kWidth, kHeight};
    BLENDFUNCTION blend;
    blend.AlphaFormat = AC_SRC_ALPHA;
    UpdateLayeredWindow(hwnd, nullptr, &at, &size, source, &origin, 0, &blend, ULW_ALPHA);
    DeleteDC(source);
    return hwnd;
}

// The screen image (1920 x 1080) with the layered background window blended over the desktop.
void BM_ScreenWithLayeredImage(benchmark::State& state) {
    Desktop desktop;
    RegisterClasses();
    MakeLayeredBackground();
    qx::win::PumpPendingMessages();
    for (auto _ : state) benchmark::DoNotOptimize(qx::win::ComposeScreenImage()->width());
}
BENCHMARK(BM_ScreenWithLayeredImage)->Unit(benchmark::kMillisecond);

// The same with the colour-keyed main window over it: the whole program on the screen.
void BM_ScreenWithBrowserWindows(benchmark::State& state) {
    Desktop desktop;
    RegisterClasses();
    MakeLayeredBackground();
    MainWindow window;
    for (auto _ : state) benchmark::DoNotOptimize(qx::win::ComposeScreenImage()->width());
}
BENCHMARK(BM_ScreenWithBrowserWindows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
