#include "platform/gfx/GdiPlusObjects.h"

#include "platform/gfx/GdiPlus.h"

namespace qx::gfx::detail {

HandleTable<GpObject>& GpTable() {
    static HandleTable<GpObject> s_table;
    return s_table;
}

PixmanView::~PixmanView() {
    if (m_image) pixman_image_unref(m_image);
    if (m_surface) cairo_surface_destroy(m_surface);
}

pixman_image_t* PixmanView::Of(cairo_surface_t* surface) {
    if (m_image) return m_image;
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32 || !cairo_image_surface_get_data(surface))
        return nullptr;
    m_surface = cairo_surface_reference(surface);
    // cairo's ARGB32 is pixman's premultiplied a8r8g8b8.
    m_image = pixman_image_create_bits(PIXMAN_a8r8g8b8, cairo_image_surface_get_width(surface),
                                       cairo_image_surface_get_height(surface),
                                       reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface)),
                                       cairo_image_surface_get_stride(surface));
    return m_image;
}

pixman_image_t* GpGraphicsObject::Pixels() {
    // The surface cr draws on, which cr keeps alive even if the window system resizes target.
    return pixels.Of(cairo_get_target(cr));
}

bool RemoveGp(const void* pointer, GpKind kind) {
    const auto id = reinterpret_cast<std::uintptr_t>(pointer);
    const std::shared_ptr<GpObject> object = GpTable().Find(id);
    if (!object || object->kind != kind) return false;
    if (!object->stock) GpTable().Remove(id);
    return true;
}

}  // namespace qx::gfx::detail

namespace Gdiplus {

namespace {
int s_users = 0;
}

Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output) {
    if (!token || !input) return InvalidParameter;
    if (input->GdiplusVersion != 1) return UnsupportedGdiplusVersion;
    // There is no background thread to hand over, so the hooks stay empty.
    if (output) *output = GdiplusStartupOutput{};
    *token = static_cast<ULONG_PTR>(++s_users);
    return Ok;
}

void GdiplusShutdown(ULONG_PTR token) {
    if (token != 0 && s_users > 0) --s_users;
}

}  // namespace Gdiplus

namespace qx::gfx {

SurfacePtr SurfaceOfImage(Gdiplus::GpImage* image) {
    auto* found = detail::FindGp<detail::GpImageObject>(image, detail::GpKind::Image);
    return found ? found->surface : nullptr;
}

std::size_t LiveGdiplusObjectCount() { return detail::GpTable().size(); }

}  // namespace qx::gfx
