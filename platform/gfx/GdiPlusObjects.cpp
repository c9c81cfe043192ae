#include "platform/gfx/GdiPlusObjects.h"

#include "platform/gfx/GdiPlus.h"

namespace qx::gfx::detail {

HandleTable<GpObject>& GpTable() {
    static HandleTable<GpObject> s_table;
    return s_table;
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
