// Top-level window images, kept per window: presenting, hit testing and the screen image share
// one composition per change of the window.

#include "platform/win/WindowComposer.h"

#include "platform/win/LayeredEffects.h"
#include "platform/win/WindowSystem.h"

#include <unordered_map>

using namespace qx::win;

namespace {

struct Composed {
    qx::gfx::SurfacePtr buffer;  // reused from one composition to the next
    // The result: the buffer, or the window's surface or layered image when they need no work.
    qx::gfx::SurfacePtr shown;
    // What the result was composed for, besides the changes that mark the window for present.
    DWORD exStyle = 0;
    LONG width = 0;
    LONG height = 0;
};

// Handles are never reused, so an entry always belongs to the same window.
std::unordered_map<HWND, Composed>& Cache() {
    static std::unordered_map<HWND, Composed> s_cache;
    return s_cache;
}

Composed& EntryOf(HWND hwnd) {
    auto& cache = Cache();
    auto it = cache.find(hwnd);
    if (it != cache.end()) return it->second;
    std::erase_if(cache, [](const auto& entry) { return Find(entry.first) == nullptr; });
    return cache[hwnd];
}

qx::gfx::Surface& Buffer(Composed& entry, int width, int height) {
    if (!entry.buffer || entry.buffer.use_count() > 1) {
        entry.buffer = std::make_shared<qx::gfx::Surface>(width, height);
    } else if (entry.buffer->width() != width || entry.buffer->height() != height) {
        entry.buffer->Resize(width, height);
    }
    return *entry.buffer;
}

bool HasVisibleChild(const Window& window) {
    for (HWND child : window.children) {
        const Window* record = Find(child);
        if (record && (record->style & WS_VISIBLE) && !IsEmpty(record->rect)) return true;
    }
    return false;
}

// The image of UpdateLayeredWindow, as its flags and blend function say to show it.
void ComposeLayeredImage(const Window& top, Composed& entry) {
    const LayeredState& layered = top.layered;
    const bool blended = (layered.updateFlags & ULW_ALPHA) != 0;
    const bool perPixel = blended && (layered.blend.AlphaFormat & AC_SRC_ALPHA) && !(layered.updateFlags & ULW_OPAQUE);
    const BYTE alpha = blended ? layered.blend.SourceConstantAlpha : 255;
    const bool keyed = (layered.updateFlags & ULW_COLORKEY) != 0;
    const qx::gfx::Surface& image = *layered.image;
    if (perPixel && alpha == 255 && !keyed && image.width() == Width(top.rect) && image.height() == Height(top.rect)) {
        entry.shown = layered.image;
        return;
    }
    qx::gfx::Surface& out = Buffer(entry, Width(top.rect), Height(top.rect));
    cairo_t* cr = cairo_create(out.cairo());
    // SOURCE also clears what the image does not cover when the window outgrew it.
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    if (perPixel) {
        cairo_set_source_surface(cr, image.cairo(), 0, 0);
        cairo_paint(cr);
    } else {
        PaintOpaque(cr, image, 0, 0);
    }
    cairo_destroy(cr);
    if (keyed) ApplyColorKey(out, layered.updateColorKey);
    ApplyConstantAlpha(out, alpha);
    entry.shown = entry.buffer;
}

void Compose(const Window& top, Composed& entry) {
    const bool layeredLook = HasLayeredLook(top);
    if (layeredLook && top.layered.image) {
        ComposeLayeredImage(top, entry);
        return;
    }
    const LayeredState& layered = top.layered;
    const bool keyed = layeredLook && (layered.flags & LWA_COLORKEY);
    const BYTE alpha = layeredLook && (layered.flags & LWA_ALPHA) ? layered.alpha : 255;
    if (!keyed && alpha == 255 && !HasVisibleChild(top)) {
        entry.shown = top.surface;
        return;
    }
    qx::gfx::Surface& out = Buffer(entry, Width(top.rect), Height(top.rect));
    cairo_t* cr = cairo_create(out.cairo());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, top.surface->cairo(), 0, 0);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    DrawChildren(cr, top);
    cairo_destroy(cr);
    // The key applies to the whole composed window: a child painting the key colour is
    // see-through as well.
    if (keyed) ApplyColorKey(out, layered.colorKey);
    ApplyConstantAlpha(out, alpha);
    entry.shown = entry.buffer;
}

bool IsEditBox(const Window& window) {
    static const std::u16string kEdit = u"edit";
    const std::u16string& name = window.windowClass ? window.windowClass->name : std::u16string();
    if (name.size() != kEdit.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i] >= u'A' && name[i] <= u'Z' ? static_cast<char16_t>(name[i] - u'A' + u'a') : name[i];
        if (c != kEdit[i]) return false;
    }
    return true;
}

// Whether the visible window under a point (in window's client pixels) is an edit box.
bool IsOverEditBox(const Window& window, POINT point) {
    for (HWND handle : window.children) {
        const Window* child = Find(handle);
        if (!child || !(child->style & WS_VISIBLE) || !Contains(child->rect, point)) continue;
        // A transparent edit box (a caption text over the skin) lets the press through like
        // the rest of its see-through background, so the window can be dragged by it.
        if (IsEditBox(*child)) return !(child->exStyle & WS_EX_TRANSPARENT);
        return IsOverEditBox(*child, {point.x - child->rect.left, point.y - child->rect.top});
    }
    return false;
}

}  // namespace

namespace qx::win {

bool HasLayeredLook(const Window& window) {
    return (window.exStyle & WS_EX_LAYERED) && (window.layered.hasAttributes || window.layered.image);
}

const gfx::Surface& ComposedImage(const Window& top) {
    Composed& entry = EntryOf(top.hwnd);
    if (!entry.shown || top.needsPresent || entry.exStyle != top.exStyle || entry.width != Width(top.rect) ||
        entry.height != Height(top.rect)) {
        Compose(top, entry);
        entry.exStyle = top.exStyle;
        entry.width = Width(top.rect);
        entry.height = Height(top.rect);
    }
    return *entry.shown;
}

void DrawChildren(cairo_t* cr, const Window& window) {
    for (auto it = window.children.rbegin(); it != window.children.rend(); ++it) {
        const Window* child = Find(*it);
        if (!child || !(child->style & WS_VISIBLE) || IsEmpty(child->rect)) continue;
        cairo_save(cr);
        cairo_translate(cr, child->rect.left, child->rect.top);
        cairo_rectangle(cr, 0, 0, Width(child->rect), Height(child->rect));
        cairo_clip(cr);
        cairo_set_source_surface(cr, child->surface->cairo(), 0, 0);
        cairo_paint(cr);
        DrawChildren(cr, *child);
        cairo_restore(cr);
    }
}

bool LetsMouseThrough(const Window& top, POINT screen) {
    if (!HasLayeredLook(top)) return false;
    const POINT point{screen.x - top.rect.left, screen.y - top.rect.top};
    if ((ComposedImage(top).Pixel(point.x, point.y) >> 24) != 0) return false;
    // An edit box takes the mouse over its whole rectangle even where its background is the
    // key colour: on a real screen it is a native entry inside the window's shape, and a click
    // beside its text must still reach it.
    return !IsOverEditBox(top, point);
}

}  // namespace qx::win
