#include "skin/PlaceButton.h"

#include "skin/ButtonPlacement.h"

void PlaceButton(const RECT& rcParent, CQXPngButton& button, HDWP& hdwp) {
    HWND hwnd = button.GetSafeHwnd();
    if (!::IsWindow(hwnd)) return;
    const ButtonPlacement place = ComputeButtonPlacement(rcParent, button.m_nX, button.m_nY, button.m_nWidth,
                                                         button.m_nHeight, button.m_strAnchor);
    // Without SWP_NOZORDER: every queued button rises above its siblings, later ones above earlier.
    hdwp = ::DeferWindowPos(hdwp, hwnd, HWND_TOP, place.x, place.y, place.nWidth, place.nHeight, SWP_FRAMECHANGED);
}
