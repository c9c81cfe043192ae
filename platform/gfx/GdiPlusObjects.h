#pragma once
// The objects behind GDI+ pointers (internal to the drawing library).

#include "platform/gfx/GdiPlusTypes.h"
#include "platform/gfx/HandleTable.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"

#include <pixman.h>

namespace qx::gfx::detail {

enum class GpKind { Image, Graphics, FontFamily, Font, Brush, StringFormat };

struct GpObject {
    explicit GpObject(GpKind k) : kind(k) {}
    virtual ~GpObject() = default;
    const GpKind kind;
    bool stock = false;  // the generic families: deleting them does nothing
};

// A pixman view of a cairo image surface's pixels, which it keeps alive. Images drawn at their
// own size go straight to pixman: the skin's tiling is thousands of tiny copies per redraw, and
// cairo's path and clip machinery would cost more than the pixels.
class PixmanView {
public:
    PixmanView() = default;
    ~PixmanView();
    PixmanView(const PixmanView&) = delete;
    PixmanView& operator=(const PixmanView&) = delete;
    // The view of surface (made on first use); null for a surface without pixels.
    pixman_image_t* Of(cairo_surface_t* surface);

private:
    cairo_surface_t* m_surface = nullptr;
    pixman_image_t* m_image = nullptr;
};

struct GpImageObject : GpObject {
    explicit GpImageObject(SurfacePtr s) : GpObject(GpKind::Image), surface(std::move(s)) {}
    SurfacePtr surface;
    PixmanView pixels;
};

struct GpGraphicsObject : GpObject {
    // cr draws on target with clip (surface pixels) and origin already applied; the Graphics owns it.
    GpGraphicsObject(SurfacePtr t, cairo_t* c, RECT deviceClip, POINT deviceOrigin)
        : GpObject(GpKind::Graphics), target(std::move(t)), cr(c), clip(deviceClip), origin(deviceOrigin) {}
    ~GpGraphicsObject() override { cairo_destroy(cr); }
    // The target's pixels, for drawing that bypasses cr (and must keep to clip itself).
    pixman_image_t* Pixels();

    SurfacePtr target;
    cairo_t* cr;
    RECT clip;
    POINT origin;
    PixmanView pixels;
};

struct GpFontFamilyObject : GpObject {
    explicit GpFontFamilyObject(std::string n) : GpObject(GpKind::FontFamily), name(std::move(n)) {}
    std::string name;  // UTF-8
};

struct GpFontObject : GpObject {
    explicit GpFontObject(FontSpec s) : GpObject(GpKind::Font), spec(std::move(s)) {}
    FontSpec spec;
};

struct GpBrushObject : GpObject {
    explicit GpBrushObject(Gdiplus::ARGB c) : GpObject(GpKind::Brush), color(c) {}
    Gdiplus::ARGB color;
};

struct GpStringFormatObject : GpObject {
    explicit GpStringFormatObject(int f) : GpObject(GpKind::StringFormat), flags(f) {}
    int flags;
    Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
    Gdiplus::StringAlignment lineAlign = Gdiplus::StringAlignmentNear;
};

HandleTable<GpObject>& GpTable();

template <typename T>
T* FindGp(const void* pointer, GpKind kind) {
    GpObject* object = GpTable().Get(reinterpret_cast<std::uintptr_t>(pointer));
    if (!object || object->kind != kind) return nullptr;
    return static_cast<T*>(object);
}

template <typename P>
P* AddGp(std::shared_ptr<GpObject> object) {
    return reinterpret_cast<P*>(GpTable().Add(std::move(object)));
}

// Removes a deletable object of the kind; false when the pointer is not one.
bool RemoveGp(const void* pointer, GpKind kind);

}  // namespace qx::gfx::detail
