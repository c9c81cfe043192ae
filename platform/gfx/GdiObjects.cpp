#include "platform/gfx/GdiObjects.h"

#include "platform/gfx/DeviceContext.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace qx::gfx::detail {

HandleTable<GdiObject>& GdiTable() {
    static HandleTable<GdiObject> s_table;
    return s_table;
}

namespace {

// Index of the 1 x 1 bitmap every memory context starts with; not reachable by GetStockObject.
constexpr int kDefaultBitmap = -1;

std::shared_ptr<GdiObject> MakeStockFont(LONG height, LONG weight, const char16_t* face) {
    LOGFONTW lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::char_traits<char16_t>::copy(lf.lfFaceName, face, std::char_traits<char16_t>::length(face));
    return std::make_shared<GdiFont>(lf);
}

std::shared_ptr<GdiObject> MakeStockObject(int index) {
    switch (index) {
        case WHITE_BRUSH: return std::make_shared<GdiBrush>(RGB(255, 255, 255), false);
        case LTGRAY_BRUSH: return std::make_shared<GdiBrush>(RGB(192, 192, 192), false);
        case GRAY_BRUSH: return std::make_shared<GdiBrush>(RGB(128, 128, 128), false);
        case DKGRAY_BRUSH: return std::make_shared<GdiBrush>(RGB(64, 64, 64), false);
        case BLACK_BRUSH: return std::make_shared<GdiBrush>(RGB(0, 0, 0), false);
        case NULL_BRUSH: return std::make_shared<GdiBrush>(0, true);
        case OEM_FIXED_FONT:
        case ANSI_FIXED_FONT:
        case SYSTEM_FIXED_FONT: return MakeStockFont(-12, FW_NORMAL, u"Monospace");
        case SYSTEM_FONT: return MakeStockFont(-12, FW_BOLD, u"Sans");
        case ANSI_VAR_FONT:
        case DEVICE_DEFAULT_FONT:
        case DEFAULT_GUI_FONT: return MakeStockFont(-12, FW_NORMAL, u"Sans");
        case kDefaultBitmap: return std::make_shared<GdiBitmap>(std::make_shared<Surface>(1, 1));
        default: return nullptr;
    }
}

bool IsReasonableBitmapSize(int width, int height) {
    // cairo's own limit per side, and at most 1 GiB of pixels.
    constexpr long long kMaxSide = 32767;
    constexpr long long kMaxBytes = 1LL << 30;
    return width >= 0 && height >= 0 && width <= kMaxSide && height <= kMaxSide &&
           static_cast<long long>(width) * height * 4 <= kMaxBytes;
}

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

}  // namespace

std::uintptr_t StockObjectId(int index) {
    static std::map<int, std::uintptr_t> s_ids;
    if (const auto it = s_ids.find(index); it != s_ids.end()) return it->second;
    std::shared_ptr<GdiObject> object = MakeStockObject(index);
    if (!object) return 0;
    object->stock = true;
    const std::uintptr_t id = GdiTable().Add(std::move(object));
    s_ids.emplace(index, id);
    return id;
}

std::uintptr_t DefaultBitmapId() { return StockObjectId(kDefaultBitmap); }

RECT DeviceContext::DeviceClip() const {
    const SurfacePtr surface = DrawSurface();
    if (!surface) return {};
    const RECT bounds{0, 0, surface->width(), surface->height()};
    return clip ? Intersect(*clip, bounds) : bounds;
}

RECT IntersectRects(const RECT& a, const RECT& b) { return Intersect(a, b); }

cairo_t* CreateCairo(const DeviceContext& dc) {
    const SurfacePtr surface = dc.DrawSurface();
    if (!surface) return nullptr;
    const RECT clip = dc.DeviceClip();
    cairo_t* cr = cairo_create(surface->cairo());
    cairo_rectangle(cr, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
    cairo_clip(cr);
    cairo_translate(cr, dc.origin.x, dc.origin.y);
    return cr;
}

}  // namespace qx::gfx::detail

using namespace qx::gfx::detail;

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    if (hdc && !FindDC(hdc)) return nullptr;
    if (!IsReasonableBitmapSize(width, height)) return nullptr;
    if (width == 0 || height == 0) width = height = 1;
    auto surface = std::make_shared<qx::gfx::Surface>(width, height);
    if (surface->width() != width || surface->height() != height) return nullptr;
    return HandleFromId<HBITMAP>(GdiTable().Add(std::make_shared<GdiBitmap>(std::move(surface))));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return HandleFromId<HBRUSH>(GdiTable().Add(std::make_shared<GdiBrush>(color, false)));
}

HGDIOBJ GetStockObject(int index) {
    if (index < 0) return nullptr;
    return HandleFromId<HGDIOBJ>(StockObjectId(index));
}

BOOL DeleteObject(HGDIOBJ object) {
    const std::uintptr_t id = IdFromHandle(object);
    const std::shared_ptr<GdiObject> found = GdiTable().Find(id);
    if (!found || found->kind == GdiKind::DC) return FALSE;
    if (found->stock) return TRUE;
    GdiTable().Remove(id);
    return TRUE;
}

int GetObjectW(HGDIOBJ object, int size, void* buffer) {
    const std::shared_ptr<GdiObject> found = GdiTable().Find(IdFromHandle(object));
    if (!found) return 0;
    auto copyOut = [&](const auto& record) -> int {
        constexpr int needed = static_cast<int>(sizeof(record));
        if (!buffer) return needed;
        if (size < needed) return 0;
        std::memcpy(buffer, &record, sizeof(record));
        return needed;
    };
    switch (found->kind) {
        case GdiKind::Bitmap: {
            const auto& surface = static_cast<const GdiBitmap&>(*found).surface;
            BITMAP bm;
            bm.bmWidth = surface->width();
            bm.bmHeight = surface->height();
            bm.bmWidthBytes = surface->width() * 4;
            bm.bmPlanes = 1;
            bm.bmBitsPixel = 32;
            return copyOut(bm);
        }
        case GdiKind::Brush: {
            const auto& brush = static_cast<const GdiBrush&>(*found);
            LOGBRUSH lb;
            lb.lbStyle = brush.hollow ? BS_HOLLOW : BS_SOLID;
            lb.lbColor = brush.color;
            return copyOut(lb);
        }
        case GdiKind::Font: return copyOut(static_cast<const GdiFont&>(*found).logFont);
        case GdiKind::DC: return 0;
    }
    return 0;
}

namespace qx::gfx {

SurfacePtr SurfaceOfBitmap(HBITMAP bitmap) {
    const auto found = FindBitmap(bitmap);
    return found ? found->surface : nullptr;
}

HBITMAP CreateBitmapOfSurface(SurfacePtr surface) {
    if (!surface) return nullptr;
    return HandleFromId<HBITMAP>(GdiTable().Add(std::make_shared<GdiBitmap>(std::move(surface))));
}

std::size_t LiveGdiObjectCount() { return GdiTable().size(); }

}  // namespace qx::gfx
