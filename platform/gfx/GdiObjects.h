#pragma once
// The objects behind GDI handles (internal to the drawing library). Device contexts share the
// table with brushes, fonts and bitmaps, so no handle of one kind ever names an object of another.

#include "platform/gfx/GdiTypes.h"
#include "platform/gfx/HandleTable.h"
#include "platform/gfx/Surface.h"

#include <optional>

namespace qx::gfx::detail {

enum class GdiKind { Brush, Font, Bitmap, DC };

struct GdiObject {
    explicit GdiObject(GdiKind k) : kind(k) {}
    virtual ~GdiObject() = default;
    const GdiKind kind;
    bool stock = false;  // lives for the whole process; DeleteObject leaves it alone
};

struct GdiBrush : GdiObject {
    GdiBrush(COLORREF c, bool isHollow) : GdiObject(GdiKind::Brush), color(c & 0x00FFFFFF), hollow(isHollow) {}
    COLORREF color;
    bool hollow;
};

struct GdiFont : GdiObject {
    explicit GdiFont(const LOGFONTW& lf) : GdiObject(GdiKind::Font), logFont(lf) {}
    LOGFONTW logFont;
};

struct GdiBitmap : GdiObject {
    explicit GdiBitmap(SurfacePtr s) : GdiObject(GdiKind::Bitmap), surface(std::move(s)) {}
    SurfacePtr surface;
    std::uintptr_t selectedInto = 0;  // id of the memory context that holds it, 0 for none
};

// A selected object: its handle (what SelectObject hands back) and the object itself, which the
// context keeps alive even after its handle was deleted.
template <typename T>
struct Selected {
    std::uintptr_t id = 0;
    std::shared_ptr<T> object;
};

struct DeviceContext : GdiObject {
    DeviceContext() : GdiObject(GdiKind::DC) {}
    SurfacePtr target;        // window and screen contexts
    bool memory = false;      // made by CreateCompatibleDC: draws on the selected bitmap
    Selected<GdiBitmap> bitmap;
    Selected<GdiBrush> brush;
    Selected<GdiFont> font;
    std::optional<RECT> clip;  // surface pixels
    POINT origin;              // surface pixel of logical (0, 0)
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;

    // The surface drawn on: the selected bitmap's for a memory context.
    SurfacePtr DrawSurface() const { return memory ? (bitmap.object ? bitmap.object->surface : nullptr) : target; }
    // The rectangle drawing may touch, in surface pixels: the clip within the surface.
    RECT DeviceClip() const;
};

HandleTable<GdiObject>& GdiTable();

template <typename T>
std::shared_ptr<T> FindGdi(std::uintptr_t id, GdiKind kind) {
    std::shared_ptr<GdiObject> object = GdiTable().Find(id);
    if (!object || object->kind != kind) return nullptr;
    return std::static_pointer_cast<T>(object);
}

inline std::shared_ptr<DeviceContext> FindDC(HDC hdc) { return FindGdi<DeviceContext>(IdFromHandle(hdc), GdiKind::DC); }
inline std::shared_ptr<GdiBrush> FindBrush(HBRUSH h) { return FindGdi<GdiBrush>(IdFromHandle(h), GdiKind::Brush); }
inline std::shared_ptr<GdiFont> FindFont(HFONT h) { return FindGdi<GdiFont>(IdFromHandle(h), GdiKind::Font); }
inline std::shared_ptr<GdiBitmap> FindBitmap(HBITMAP h) { return FindGdi<GdiBitmap>(IdFromHandle(h), GdiKind::Bitmap); }

// The stock objects, made on first use; 0 for an index without one.
std::uintptr_t StockObjectId(int index);
// The 1 x 1 bitmap a memory context starts with.
std::uintptr_t DefaultBitmapId();

// The overlap of two rectangles; empty (right = left, bottom = top) when they do not meet.
RECT IntersectRects(const RECT& a, const RECT& b);

// A cairo context on the context's surface, with the logical origin applied and drawing limited
// to its clip; null when the context has nothing to draw on. Destroy it with cairo_destroy.
cairo_t* CreateCairo(const DeviceContext& dc);

}  // namespace qx::gfx::detail
