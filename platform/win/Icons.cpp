// Icons: the application icon (resource 128) drawn at the standard size.

#include "platform/gfx/AppIcon.h"
#include "platform/win/WindowSystem.h"

#include <map>

using namespace qx::win;

namespace {

constexpr WORD kApplicationIconId = 128;
constexpr WORD kStockApplicationIconId = 32512;

struct IconTable {
    std::map<std::uintptr_t, qx::gfx::SurfacePtr> icons;
    std::uintptr_t nextId = 0x70000;
    HICON application = nullptr;
};

IconTable& Icons() {
    static IconTable table;
    return table;
}

}  // namespace

void qx::win::ResetIcons() { Icons() = IconTable{}; }

std::shared_ptr<qx::gfx::Surface> qx::win::SurfaceOfIcon(HICON icon) {
    auto it = Icons().icons.find(IdFromHandle(icon));
    return it == Icons().icons.end() ? nullptr : it->second;
}

HICON LoadIconW(HINSTANCE, LPCWSTR name) {
    if (!IS_INTRESOURCE(name)) return nullptr;
    const auto id = static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name));
    if (id != kApplicationIconId && id != kStockApplicationIconId) return nullptr;
    IconTable& table = Icons();
    if (!table.application) {
        table.nextId += 4;
        table.icons[table.nextId] = qx::gfx::ApplicationIconImage(GetSystemMetrics(SM_CXICON));
        table.application = HandleFromId<HICON>(table.nextId);
    }
    return table.application;
}

BOOL DestroyIcon(HICON icon) {
    // Loaded icons are shared, as on the real system; destroying one is accepted and changes nothing.
    return SurfaceOfIcon(icon) ? TRUE : FALSE;
}
