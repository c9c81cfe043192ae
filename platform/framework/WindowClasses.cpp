#include "platform/framework/WndInternal.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/controls/StandardControls.h"

namespace qx::fw {
namespace {

void RegisterIfMissing(LPCWSTR name, UINT style, int cbWndExtra, HBRUSH background) {
    WNDCLASSW existing;
    if (::GetClassInfoW(nullptr, name, &existing)) return;
    WNDCLASSW wc;
    wc.style = style;
    wc.lpfnWndProc = &AfxWndProc;
    wc.cbWndExtra = cbWndExtra;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    ::RegisterClassW(&wc);
}

HBRUSH DialogFaceBrush() {
    static HBRUSH brush = ::CreateSolidBrush(RGB(240, 240, 240));
    return brush;
}

}  // namespace

void EnsureWindowClasses() {
    RegisterIfMissing(kWndClassName, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, 0, nullptr);
    RegisterIfMissing(kDialogClassName, CS_DBLCLKS | CS_SAVEBITS, DLGWINDOWEXTRA, DialogFaceBrush());
    qx::win::RegisterStandardControls();
}

}  // namespace qx::fw
