// Draws the skin's background as the layered background window does (the 21 elements tiled into
// one per-pixel alpha image, handed over with UpdateLayeredWindow) on a headless screen of
// 1920 x 1080, and writes the composed screen image as a PNG.
//
//   qx_skinshot <skin folder> <output.png>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/base/Strings.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/GdiPlus.h"
#include "platform/win/Composition.h"
#include "platform/win/WinApi.h"
#include "skin/AreaRect.h"
#include "skin/SkinFile.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace Gdiplus;

namespace {

struct Element {
    const char16_t* section;
    const char16_t* name;
};

// In drawing order; later elements lie over earlier ones.
const Element kElements[] = {
    {u"LAYOUT", u"TITLE_BAR"},           {u"LAYOUT", u"TITLE_BARL"},
    {u"LAYOUT", u"TITLE_BARR"},          {u"LAYOUT", u"ADDRESS_BAR"},
    {u"LAYOUT", u"TAB_BAR"},             {u"LAYOUT", u"LEFT_TOOLS_BAR"},
    {u"LAYOUT", u"MAIN_CONTENT_AREA"},   {u"LAYOUT", u"STATE_BAR"},
    {u"IMG", u"PROJECT_ICO"},            {u"LAYOUT", u"BODER_LEFT"},
    {u"LAYOUT", u"BODER_RIGHT"},         {u"LAYOUT", u"BODER_TOP"},
    {u"LAYOUT", u"BODER_BOTTOM"},        {u"LAYOUT", u"BODER_LEFT_TOP_CORNER"},
    {u"LAYOUT", u"BODER_RIGHT_TOP_CORNER"}, {u"IMG", u"ADDRESS_BG_LEFT"},
    {u"IMG", u"ADDRESS_BG_MIDDLE"},      {u"IMG", u"ADDRESS_BG_RIGHT"},
    {u"IMG", u"SEARCH_BG_LEFT"},         {u"IMG", u"SEARCH_BG_MIDDLE"},
    {u"IMG", u"SEARCH_BG_RIGHT"},
};

// Repeats the image over rect at natural size; tiles cut by the right or bottom edge show the
// image's top-left part.
void Tile(GpGraphics* graphics, const std::u16string& file, const RECT& rect) {
    GpBitmap* image = nullptr;
    if (GdipCreateBitmapFromFile(file.c_str(), &image) != Ok) return;
    UINT iw = 0, ih = 0;
    GdipGetImageWidth(image, &iw);
    GdipGetImageHeight(image, &ih);
    for (int y = rect.top; iw > 0 && ih > 0 && y < rect.bottom; y += static_cast<int>(ih)) {
        for (int x = rect.left; x < rect.right; x += static_cast<int>(iw)) {
            const int w = std::min<int>(static_cast<int>(iw), rect.right - x);
            const int h = std::min<int>(static_cast<int>(ih), rect.bottom - y);
            if (w < static_cast<int>(iw) || h < static_cast<int>(ih)) {
                GdipDrawImageRectRectI(graphics, image, x, y, w, h, 0, 0, w, h, UnitPixel, nullptr, nullptr, nullptr);
            } else {
                GdipDrawImageRectI(graphics, image, x, y, static_cast<INT>(iw), static_cast<INT>(ih));
            }
        }
    }
    GdipDisposeImage(image);
}

// The skin for a window rectangle, as one layered image at the rectangle's place.
void RedrawLayered(HWND hwnd, const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ original = SelectObject(memory, bitmap);
    GpGraphics* graphics = nullptr;
    GdipCreateFromHDC(memory, &graphics);
    // One rectangle serves every element: an element with an anchor the rule does not know
    // is drawn over the rectangle of the element before it.
    RECT rect{0, 0, 0, 0};
    for (const Element& element : kElements) {
        std::unique_ptr<CQXAreaLocationModel> area = CSkinFile::GetInstance().ReadAreaLocation(element.section, element.name);
        ComputeAreaRect(r, *area, rect);
        Tile(graphics, area->m_strImage, rect);
    }
    POINT at{r.left, r.top}, origin{0, 0};
    SIZE size{w, h};
    BLENDFUNCTION blend;
    blend.AlphaFormat = AC_SRC_ALPHA;
    UpdateLayeredWindow(hwnd, screen, &at, &size, memory, &origin, 0, &blend, ULW_ALPHA);
    GdipDeleteGraphics(graphics);
    SelectObject(memory, original);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <skin folder> <output.png>\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (folder.empty() || folder.back() != '/') folder += '/';
    if (!CSkinFile::GetInstance().Open(qx::Utf8ToWide(folder))) {
        std::fprintf(stderr, "no skin.ini in %s\n", folder.c_str());
        return 1;
    }

    qx::backend::HeadlessBackend backend;
    qx::win::WindowSystemScope scope(backend);
    WNDCLASSW wc;
    wc.lpfnWndProc = &DefWindowProcW;
    wc.lpszClassName = u"QxSkinShot";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(WS_EX_LAYERED, u"QxSkinShot", u"", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, nullptr,
                                  nullptr, nullptr, nullptr);
    // The size and place the window opens with on a 1920 x 1040 work area: 85 %, centred.
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = (work.right - work.left) * 17 / 20, height = (work.bottom - work.top) * 17 / 20;
    const int left = ((work.right - work.left) - width) / 2, top = ((work.bottom - work.top) - height) / 2;
    RedrawLayered(window, {left, top, left + width, top + height});
    qx::win::PumpPendingMessages();

    if (!qx::win::SaveScreenshot(argv[2])) {
        std::fprintf(stderr, "could not write %s\n", argv[2]);
        return 1;
    }
    std::printf("%s: %d x %d skin at (%d, %d)\n", argv[2], width, height, left, top);
    return 0;
}
