#include "skin/QXPngButton.h"

IMPLEMENT_DYNAMIC(CQXPngButton, CButton)

namespace {

// Frames of the strip, by their place in it.
constexpr int kNormalFrame = 0;
constexpr int kHoverFrame = 1;
constexpr int kPressedFrame = 2;

// A hover report as soon as the pointer rests: the hover frame should follow the pointer.
constexpr DWORD kHoverTime = 1;

}  // namespace

BEGIN_MESSAGE_MAP(CQXPngButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    QX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDownUp)
    QX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonDownUp)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CQXPngButton::CQXPngButton() = default;
CQXPngButton::~CQXPngButton() = default;

void CQXPngButton::SetImage(const CString& strImage) {
    Gdiplus::GpBitmap* pImage = nullptr;
    Gdiplus::GdipCreateBitmapFromFile(strImage.c_str(), &pImage);
    m_pImage.reset(pImage);
    UINT nWidth = 0;
    UINT nHeight = 0;
    Gdiplus::GdipGetImageWidth(m_pImage.get(), &nWidth);
    Gdiplus::GdipGetImageHeight(m_pImage.get(), &nHeight);
    m_nImageWidth = static_cast<int>(nWidth);
    m_nFrameHeight = static_cast<int>(nHeight);
    m_nFrameWidth = m_nImageWidth / 4;
}

void CQXPngButton::SetLocation(const CQXButtonLocationModel& location) {
    m_nX = location.m_nX;
    m_nY = location.m_nY;
    m_nWidth = location.m_nWidth;
    m_nHeight = location.m_nHeight;
    m_strAnchor = location.m_strAnchor;
    SetImage(location.m_strImage);
}

void CQXPngButton::PreSubclassWindow() {
    // Every image button draws itself, whatever its template said. The type bits are replaced
    // rather than combined, so no other button type can turn into something that is not
    // owner-drawn.
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>((GetStyle() & ~BS_TYPEMASK) | BS_OWNERDRAW));
    CButton::PreSubclassWindow();
}

BOOL CQXPngButton::PreTranslateMessage(MSG* pMsg) {
    // Enter and Escape on a focused image button must not reach the dialog's OK and cancel.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) return TRUE;
    return CButton::PreTranslateMessage(pMsg);
}

LRESULT CQXPngButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A double click counts as a second press, so it gives a second click.
    if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(message, wParam, lParam);
}

void CQXPngButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    Gdiplus::GpGraphics* pGraphics = nullptr;
    Gdiplus::GdipCreateFromHDC(lpDrawItemStruct->hDC, &pGraphics);

    int nFrame = kNormalFrame;
    if (lpDrawItemStruct->itemState & ODS_SELECTED) {
        nFrame = kPressedFrame;
    } else if (m_bHover) {
        nFrame = kHoverFrame;
        SetDrawnState(1);
    } else {
        SetDrawnState(0);
    }

    if (m_pImage) {
        Gdiplus::GdipDrawImageRectRectI(pGraphics, m_pImage.get(), 0, 0, m_nFrameWidth, m_nFrameHeight,
                                        nFrame * m_nFrameWidth, 0, m_nFrameWidth, m_nFrameHeight, Gdiplus::UnitPixel,
                                        nullptr, nullptr, nullptr);
    }
    Gdiplus::GdipDeleteGraphics(pGraphics);
}

void CQXPngButton::SetDrawnState(int nState) {
    if (m_nDrawnState == nState) return;
    m_nDrawnState = nState;
    ShowWindow(SW_HIDE);
    ShowWindow(SW_SHOW);
}

void CQXPngButton::OnMouseMove(UINT, CPoint) {
    if (!m_bTracking) {
        TRACKMOUSEEVENT tme;
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_HOVER | TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        tme.dwHoverTime = kHoverTime;
        m_bTracking = ::_TrackMouseEvent(&tme);
    }
    Default();
}

void CQXPngButton::OnMouseHover(UINT, CPoint) {
    m_bHover = TRUE;
    InvalidateWholeButton();
}

void CQXPngButton::OnMouseLeave() {
    m_bTracking = FALSE;
    m_bHover = FALSE;
    InvalidateWholeButton();
}

void CQXPngButton::OnLButtonDownUp(UINT, CPoint) {
    InvalidateWholeButton();
    Default();
}

BOOL CQXPngButton::OnEraseBkgnd(CDC*) { return TRUE; }

void CQXPngButton::InvalidateWholeButton() {
    GetWindowRect(&m_rcInvalid);
    m_rcInvalid = {0, 0, m_rcInvalid.right - m_rcInvalid.left, m_rcInvalid.bottom - m_rcInvalid.top};
    InvalidateRect(&m_rcInvalid, TRUE);
}
