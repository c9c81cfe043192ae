#include "platform/gfx/DeviceContext.h"

#include "platform/gfx/GdiObjects.h"

using namespace qx::gfx::detail;

namespace {

std::shared_ptr<DeviceContext> NewContext() {
    auto dc = std::make_shared<DeviceContext>();
    dc->font.id = StockObjectId(DEFAULT_GUI_FONT);
    dc->font.object = FindGdi<GdiFont>(dc->font.id, GdiKind::Font);
    dc->brush.id = StockObjectId(WHITE_BRUSH);
    dc->brush.object = FindGdi<GdiBrush>(dc->brush.id, GdiKind::Brush);
    return dc;
}

HDC AddContext(std::shared_ptr<DeviceContext> dc) {
    return HandleFromId<HDC>(GdiTable().Add(std::move(dc)));
}

// A bitmap is selected into at most one memory context at a time.
bool IsHeldByAnotherContext(const GdiBitmap& bitmap, std::uintptr_t dcId) {
    if (bitmap.stock || bitmap.selectedInto == 0 || bitmap.selectedInto == dcId) return false;
    const auto holder = FindGdi<DeviceContext>(bitmap.selectedInto, GdiKind::DC);
    return holder && holder->bitmap.object.get() == &bitmap;
}

template <typename T>
HGDIOBJ Swap(Selected<T>& slot, std::uintptr_t id, std::shared_ptr<T> object) {
    const std::uintptr_t previous = slot.id;
    slot.id = id;
    slot.object = std::move(object);
    return HandleFromId<HGDIOBJ>(previous);
}

}  // namespace

namespace qx::gfx {

HDC CreateSurfaceDC(SurfacePtr target, const RECT* clip, POINT origin) {
    if (!target) return nullptr;
    auto dc = NewContext();
    dc->target = std::move(target);
    if (clip) dc->clip = *clip;
    dc->origin = origin;
    return AddContext(std::move(dc));
}

SurfacePtr SurfaceOfDC(HDC hdc) {
    const auto dc = FindDC(hdc);
    return dc ? dc->DrawSurface() : nullptr;
}

}  // namespace qx::gfx

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !FindDC(hdc)) return nullptr;
    auto dc = NewContext();
    dc->memory = true;
    dc->bitmap.id = DefaultBitmapId();
    dc->bitmap.object = FindGdi<GdiBitmap>(dc->bitmap.id, GdiKind::Bitmap);
    return AddContext(std::move(dc));
}

BOOL DeleteDC(HDC hdc) {
    const auto dc = FindDC(hdc);
    if (!dc) return FALSE;
    if (dc->bitmap.object && dc->bitmap.object->selectedInto == IdFromHandle(hdc)) dc->bitmap.object->selectedInto = 0;
    GdiTable().Remove(IdFromHandle(hdc));
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    const auto dc = FindDC(hdc);
    if (!dc) return nullptr;
    const std::uintptr_t dcId = IdFromHandle(hdc);
    const std::uintptr_t id = IdFromHandle(object);
    const std::shared_ptr<GdiObject> found = GdiTable().Find(id);
    if (!found) return nullptr;
    switch (found->kind) {
        case GdiKind::Brush: return Swap(dc->brush, id, std::static_pointer_cast<GdiBrush>(found));
        case GdiKind::Font: return Swap(dc->font, id, std::static_pointer_cast<GdiFont>(found));
        case GdiKind::Bitmap: {
            auto bitmap = std::static_pointer_cast<GdiBitmap>(found);
            if (!dc->memory || IsHeldByAnotherContext(*bitmap, dcId)) return nullptr;
            if (dc->bitmap.object && dc->bitmap.object->selectedInto == dcId) dc->bitmap.object->selectedInto = 0;
            if (!bitmap->stock) bitmap->selectedInto = dcId;
            return Swap(dc->bitmap, id, std::move(bitmap));
        }
        case GdiKind::DC: return nullptr;
    }
    return nullptr;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    const auto dc = FindDC(hdc);
    if (!dc) return nullptr;
    switch (type) {
        case OBJ_BRUSH: return HandleFromId<HGDIOBJ>(dc->brush.id);
        case OBJ_FONT: return HandleFromId<HGDIOBJ>(dc->font.id);
        case OBJ_BITMAP: return dc->memory ? HandleFromId<HGDIOBJ>(dc->bitmap.id) : nullptr;
        default: return nullptr;
    }
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    const auto dc = FindDC(hdc);
    if (!dc) return CLR_INVALID;
    const COLORREF previous = dc->textColor;
    dc->textColor = color & 0x00FFFFFF;
    return previous;
}

COLORREF GetTextColor(HDC hdc) {
    const auto dc = FindDC(hdc);
    return dc ? dc->textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    const auto dc = FindDC(hdc);
    if (!dc) return CLR_INVALID;
    const COLORREF previous = dc->bkColor;
    dc->bkColor = color & 0x00FFFFFF;
    return previous;
}

COLORREF GetBkColor(HDC hdc) {
    const auto dc = FindDC(hdc);
    return dc ? dc->bkColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
    const auto dc = FindDC(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    const int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

int GetBkMode(HDC hdc) {
    const auto dc = FindDC(hdc);
    return dc ? dc->bkMode : 0;
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous) {
    const auto dc = FindDC(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->origin;
    dc->origin = POINT{x, y};
    return TRUE;
}

BOOL GetViewportOrgEx(HDC hdc, POINT* origin) {
    const auto dc = FindDC(hdc);
    if (!dc || !origin) return FALSE;
    *origin = dc->origin;
    return TRUE;
}

BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* previous) {
    const auto dc = FindDC(hdc);
    if (!dc) return FALSE;
    return SetViewportOrgEx(hdc, dc->origin.x + dx, dc->origin.y + dy, previous);
}

int GetClipBox(HDC hdc, RECT* rect) {
    const auto dc = FindDC(hdc);
    if (!dc || !rect) return RGN_ERROR;
    const RECT clip = dc->DeviceClip();
    *rect = RECT{clip.left - dc->origin.x, clip.top - dc->origin.y, clip.right - dc->origin.x, clip.bottom - dc->origin.y};
    return clip.left == clip.right || clip.top == clip.bottom ? NULLREGION : SIMPLEREGION;
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    const auto dc = FindDC(hdc);
    if (!dc) return RGN_ERROR;
    const RECT device{left + dc->origin.x, top + dc->origin.y, right + dc->origin.x, bottom + dc->origin.y};
    dc->clip = IntersectRects(dc->DeviceClip(), device);
    RECT box;
    return GetClipBox(hdc, &box);
}
