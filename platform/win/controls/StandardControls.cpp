#include "platform/win/controls/StandardControls.h"

#include "platform/win/WinApi.h"

namespace qx::win {
namespace {

void RegisterIfMissing(LPCWSTR name, WNDPROC proc, UINT style) {
    WNDCLASSW existing;
    if (::GetClassInfoW(nullptr, name, &existing)) return;
    WNDCLASSW wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ::RegisterClassW(&wc);
}

}  // namespace

void RegisterStandardControls() {
    RegisterIfMissing(kButtonClassName, &ButtonWndProc, CS_DBLCLKS | CS_PARENTDC);
    RegisterIfMissing(kEditClassName, &EditWndProc, CS_DBLCLKS | CS_PARENTDC);
    RegisterIfMissing(kStaticClassName, &StaticWndProc, CS_PARENTDC);
}

}  // namespace qx::win
