#pragma once
// The objects behind GDI+ pointers (internal to the drawing library).

#include "platform/gfx/GdiPlusTypes.h"
#include "platform/gfx/HandleTable.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TextLayout.h"

namespace qx::gfx::detail {

enum class GpKind { Image, Graphics, FontFamily, Font, Brush, StringFormat };

struct GpObject {
    explicit GpObject(GpKind k) : kind(k) {}
    virtual ~GpObject() = default;
    const GpKind kind;
    bool stock = false;  // the generic families: deleting them does nothing
};

struct GpImageObject : GpObject {
    explicit GpImageObject(SurfacePtr s) : GpObject(GpKind::Image), surface(std::move(s)) {}
    ~GpImageObject() override {
        if (pattern) cairo_pattern_destroy(pattern);
    }
    // The pattern an image is drawn through, made on first use and kept with the image, so that
    // tiling an image is one fill per tile.
    cairo_pattern_t* Pattern() {
        if (!pattern) pattern = cairo_pattern_create_for_surface(surface->cairo());
        return pattern;
    }
    SurfacePtr surface;
    cairo_pattern_t* pattern = nullptr;
};

struct GpGraphicsObject : GpObject {
    // cr draws on target with the clip and origin already applied; the Graphics owns it.
    GpGraphicsObject(SurfacePtr t, cairo_t* c) : GpObject(GpKind::Graphics), target(std::move(t)), cr(c) {}
    ~GpGraphicsObject() override { cairo_destroy(cr); }
    SurfacePtr target;
    cairo_t* cr;
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
    const std::shared_ptr<GpObject> object = GpTable().Find(reinterpret_cast<std::uintptr_t>(pointer));
    if (!object || object->kind != kind) return nullptr;
    return static_cast<T*>(object.get());
}

template <typename P>
P* AddGp(std::shared_ptr<GpObject> object) {
    return reinterpret_cast<P*>(GpTable().Add(std::move(object)));
}

// Removes a deletable object of the kind; false when the pointer is not one.
bool RemoveGp(const void* pointer, GpKind kind);

}  // namespace qx::gfx::detail
