#include "app/QXBrowserBackgroundDlg.h"

#include <algorithm>
#include <cstdint>

#include "platform/base/Strings.h"
#include "res/ResourceIds.h"
#include "skin/AreaRect.h"
#include "skin/SkinFile.h"

namespace {

struct SkinElement {
    const char16_t* section;
    const char16_t* name;
};

// In drawing order. The border names are spelled as the skin files spell them.
constexpr std::array<SkinElement, CQXBrowserBackgroundDlg::kElementCount> kElements = {{
    {u"LAYOUT", u"TITLE_BAR"},
    {u"LAYOUT", u"TITLE_BARL"},
    {u"LAYOUT", u"TITLE_BARR"},
    {u"LAYOUT", u"ADDRESS_BAR"},
    {u"LAYOUT", u"TAB_BAR"},
    {u"LAYOUT", u"LEFT_TOOLS_BAR"},
    {u"LAYOUT", u"MAIN_CONTENT_AREA"},
    {u"LAYOUT", u"STATE_BAR"},
    {u"IMG", u"PROJECT_ICO"},
    {u"LAYOUT", u"BODER_LEFT"},
    {u"LAYOUT", u"BODER_RIGHT"},
    {u"LAYOUT", u"BODER_TOP"},
    {u"LAYOUT", u"BODER_BOTTOM"},
    {u"LAYOUT", u"BODER_LEFT_TOP_CORNER"},
    {u"LAYOUT", u"BODER_RIGHT_TOP_CORNER"},
    {u"IMG", u"ADDRESS_BG_LEFT"},
    {u"IMG", u"ADDRESS_BG_MIDDLE"},
    {u"IMG", u"ADDRESS_BG_RIGHT"},
    {u"IMG", u"SEARCH_BG_LEFT"},
    {u"IMG", u"SEARCH_BG_MIDDLE"},
    {u"IMG", u"SEARCH_BG_RIGHT"},
}};

// The order the constructor reads them in: the status bar before the content area.
constexpr std::array<std::size_t, CQXBrowserBackgroundDlg::kElementCount> kReadOrder = {
    0, 1, 2, 3, 4, 5, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};

constexpr std::size_t kTitleBar = 0;

// The system's window move with the mouse, as a caption drag starts it.
constexpr WPARAM SC_DRAGMOVE = 0xF011;

}  // namespace

BEGIN_MESSAGE_MAP(CQXBrowserBackgroundDlg, CDialogEx)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOVE()
    ON_WM_SIZE()
    ON_WM_CREATE()
    ON_WM_SYSCOMMAND()
    ON_WM_GETMINMAXINFO()
    ON_WM_LBUTTONDBLCLK()
    ON_COMMAND(IDOK, &CQXBrowserBackgroundDlg::OnIgnoreCommand)
    ON_COMMAND(IDCANCEL, &CQXBrowserBackgroundDlg::OnIgnoreCommand)
    ON_WM_ERASEBKGND()
    ON_WM_KILLFOCUS()
    ON_WM_ACTIVATE()
END_MESSAGE_MAP()

CQXBrowserBackgroundDlg::CQXBrowserBackgroundDlg()
    : CDialogEx(IDD_BROWSER_BACKGROUND), m_hIcon(::LoadIconW(nullptr, MAKEINTRESOURCEW(IDR_MAINFRAME))) {
    CSkinFile& skin = CSkinFile::GetInstance();
    for (std::size_t i : kReadOrder) m_elements[i] = skin.ReadAreaLocation(kElements[i].section, kElements[i].name);
    m_hUser32 = ::LoadLibraryW(u"User32.DLL");
    if (m_hUser32) {
        m_pfnUpdateLayeredWindow =
            reinterpret_cast<PFN_UPDATELAYEREDWINDOW>(::GetProcAddress(m_hUser32, "UpdateLayeredWindow"));
    }
}

CQXBrowserBackgroundDlg::~CQXBrowserBackgroundDlg() {
    if (m_hUser32) ::FreeLibrary(m_hUser32);
}

int CQXBrowserBackgroundDlg::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CDialogEx::OnCreate(lpCreateStruct) == -1) return -1;
    // The main window is made and initialised now, before this window's own initialisation.
    m_pMainFrame = std::make_unique<CQXMainFrame>(this);
    m_pMainFrame->Create(IDD_MAIN_FRAME, this);
    m_pMainFrame->MoveWindow(0, 0, 0, 0);
    m_pMainFrame->ShowWindow(SW_SHOW);
    return 0;
}

BOOL CQXBrowserBackgroundDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowText(kCaption);

    // A taskbar button of its own, and the skin as a per-pixel-alpha image.
    ModifyStyleEx(WS_EX_TOOLWINDOW, WS_EX_APPWINDOW);
    ModifyStyleEx(0, WS_EX_LAYERED);

    RedrawLayered(m_rcWindow);
    MoveMainFrame(m_rcWindow);

    // 85 % of the work area's size (the single-precision 0.85, so every size comes out as it
    // always has), centred in a box of the work area's size at the screen origin.
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_rcWindow, 0);
    const LONG nWidth = m_rcWindow.right - m_rcWindow.left;
    const LONG nHeight = m_rcWindow.bottom - m_rcWindow.top;
    const double kShare = 0.85f;
    const auto nStartWidth = static_cast<LONG>(nWidth * kShare);
    const auto nStartHeight = static_cast<LONG>(nHeight * kShare);
    const LONG nLeft = (nWidth - nStartWidth) / 2;
    const LONG nTop = (nHeight - nStartHeight) / 2;
    m_rcWindow = {nLeft, nTop, nLeft + nStartWidth, nTop + nStartHeight};
    MoveWindow(&m_rcWindow, TRUE);

    if (m_pMainFrame) m_pMainFrame->SetFocus();
    return TRUE;
}

void CQXBrowserBackgroundDlg::RedrawLayered(const RECT& rc) {
    const int nWidth = rc.right - rc.left;
    const int nHeight = rc.bottom - rc.top;
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdcMemory = ::CreateCompatibleDC(hdcScreen);
    HDC hdcWindow = ::GetDC(m_hWnd);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hdcWindow, nWidth, nHeight);
    HGDIOBJ hOldBitmap = hBitmap ? ::SelectObject(hdcMemory, hBitmap) : nullptr;

    if (hOldBitmap) {
        Gdiplus::GpGraphics* pGraphics = nullptr;
        Gdiplus::GdipCreateFromHDC(hdcMemory, &pGraphics);
        RECT rcArea{};
        for (const auto& pElement : m_elements) TileArea(*pElement, rc, pGraphics, rcArea);
        Gdiplus::GdipDeleteGraphics(pGraphics);

        BITMAP bitmap;
        ::GetObjectW(hBitmap, sizeof(bitmap), &bitmap);
        SIZE size{bitmap.bmWidth, bitmap.bmHeight};
        POINT ptDestination{rc.left, rc.top};
        POINT ptSource{0, 0};
        BLENDFUNCTION blend;
        blend.BlendOp = AC_SRC_OVER;
        blend.BlendFlags = 0;
        blend.SourceConstantAlpha = 255;
        blend.AlphaFormat = AC_SRC_ALPHA;
        if (m_pfnUpdateLayeredWindow) {
            m_pfnUpdateLayeredWindow(m_hWnd, hdcScreen, &ptDestination, &size, hdcMemory, &ptSource, 0, &blend,
                                     ULW_ALPHA);
        }
        ::SelectObject(hdcMemory, hOldBitmap);
    }
    if (hOldBitmap && !m_pfnUpdateLayeredWindow) {
        KeepForPainting(hBitmap, rc);  // takes the bitmap
    } else if (hBitmap) {
        ::DeleteObject(hBitmap);
    }
    ::ReleaseDC(m_hWnd, hdcWindow);
    ::DeleteDC(hdcMemory);
    ::ReleaseDC(nullptr, hdcScreen);
}

void CQXBrowserBackgroundDlg::TileArea(const CQXAreaLocationModel& area, const RECT& rcParent,
                                       Gdiplus::GpGraphics* pGraphics, RECT& rcArea) {
    ComputeAreaRect(rcParent, area, rcArea);
    Gdiplus::GpImage* pImage = m_images.GetImage(area.m_strImage);
    UINT nImageWidth = 0;
    UINT nImageHeight = 0;
    Gdiplus::GdipGetImageWidth(pImage, &nImageWidth);
    Gdiplus::GdipGetImageHeight(pImage, &nImageHeight);
    // An image without pixels has no size to step by: the element shows nothing.
    if (!pImage || nImageWidth == 0 || nImageHeight == 0) return;

    // Tiles wholly outside the image being composed show nothing, so the walk starts at the first
    // tile that reaches into it; the tiles drawn are the same as from the rectangle's corner.
    // Wide integers keep rectangles near the limits of 32 bits from overflowing.
    const std::int64_t nStepX = nImageWidth;
    const std::int64_t nStepY = nImageHeight;
    const std::int64_t nVisibleRight = std::int64_t{rcParent.right} - rcParent.left;
    const std::int64_t nVisibleBottom = std::int64_t{rcParent.bottom} - rcParent.top;
    const std::int64_t nEndX = std::min<std::int64_t>(rcArea.right, nVisibleRight);
    const std::int64_t nEndY = std::min<std::int64_t>(rcArea.bottom, nVisibleBottom);
    auto firstTile = [](std::int64_t nStart, std::int64_t nStep) {
        return nStart >= 0 ? nStart : nStart + (-nStart / nStep) * nStep;
    };

    for (std::int64_t y = firstTile(rcArea.top, nStepY); y < nEndY; y += nStepY) {
        const std::int64_t nTileHeight = std::min<std::int64_t>(nStepY, rcArea.bottom - y);
        for (std::int64_t x = firstTile(rcArea.left, nStepX); x < nEndX; x += nStepX) {
            const std::int64_t nTileWidth = std::min<std::int64_t>(nStepX, rcArea.right - x);
            const auto nX = static_cast<Gdiplus::INT>(x);
            const auto nY = static_cast<Gdiplus::INT>(y);
            if (nTileWidth < nStepX || nTileHeight < nStepY) {
                // Cut by the rectangle's right or bottom edge: the image's top-left part.
                const auto nW = static_cast<Gdiplus::INT>(nTileWidth);
                const auto nH = static_cast<Gdiplus::INT>(nTileHeight);
                Gdiplus::GdipDrawImageRectRectI(pGraphics, pImage, nX, nY, nW, nH, 0, 0, nW, nH, Gdiplus::UnitPixel,
                                                nullptr, nullptr, nullptr);
            } else {
                Gdiplus::GdipDrawImageRectI(pGraphics, pImage, nX, nY, static_cast<Gdiplus::INT>(nStepX),
                                            static_cast<Gdiplus::INT>(nStepY));
            }
        }
    }
}

void CQXBrowserBackgroundDlg::KeepForPainting(HBITMAP hBitmap, const RECT& rc) {
    m_bmpFallback.DeleteObject();
    m_bmpFallback.Attach(hBitmap);
    m_ptFallback = {rc.left, rc.top};
    Invalidate(FALSE);
}

void CQXBrowserBackgroundDlg::OnPaint() {
    m_nPaintRequests = 1;
    // The layered image is the window's whole look; only a system without layered images needs
    // the kept skin painted.
    if (!m_bmpFallback.GetSafeHandle()) return;
    CPaintDC dc(this);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    HDC hdcMemory = ::CreateCompatibleDC(dc);
    HGDIOBJ hOld = ::SelectObject(hdcMemory, m_bmpFallback.GetSafeHandle());
    BITMAP bitmap;
    ::GetObjectW(m_bmpFallback.GetSafeHandle(), sizeof(bitmap), &bitmap);
    ::BitBlt(dc, m_ptFallback.x - rcWindow.left, m_ptFallback.y - rcWindow.top, bitmap.bmWidth, bitmap.bmHeight,
             hdcMemory, 0, 0, SRCCOPY);
    ::SelectObject(hdcMemory, hOld);
    ::DeleteDC(hdcMemory);
}

HCURSOR CQXBrowserBackgroundDlg::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }

void CQXBrowserBackgroundDlg::OnLButtonDown(UINT nFlags, CPoint point) {
    // Clicks reach this window where the main window is transparent: they drag the pair.
    SendMessage(WM_SYSCOMMAND, SC_DRAGMOVE, 0);
    CDialogEx::OnLButtonDown(nFlags, point);
}

void CQXBrowserBackgroundDlg::OnLButtonDblClk(UINT nFlags, CPoint point) {
    const LONG nCaptionHeight = qx::WideToLong(m_elements[kTitleBar]->m_strHeight);
    if (point.y < nCaptionHeight && m_pMainFrame) m_pMainFrame->ToggleMaximize();
    CDialogEx::OnLButtonDblClk(nFlags, point);
}

void CQXBrowserBackgroundDlg::OnMove(int x, int y) {
    CDialogEx::OnMove(x, y);
    GetWindowRect(&m_rcWindow);
    if (m_bFollow) MoveMainFrame(m_rcWindow);
}

void CQXBrowserBackgroundDlg::OnSize(UINT nType, int cx, int) {
    if (nType == SIZE_MAXIMIZED) {
        OnSizeMaximized(cx);
    } else {
        OnSizeRestored();
    }
    m_nPaintRequests = 0;
}

void CQXBrowserBackgroundDlg::OnSizeMaximized(int cx) {
    // The skin reaches 2 pixels past the work area's left edge and 4 past its bottom, so the
    // skin's outer border lies off the work area.
    RECT rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    RedrawLayered({rcWork.left - 2, rcWork.top, rcWork.left + cx + 4, rcWork.bottom + 4});
    if (m_pMainFrame) m_pMainFrame->m_bMaximized = TRUE;
    m_bFollow = false;
    MoveMainFrame({rcWork.left, rcWork.top, rcWork.left + cx + 4, rcWork.bottom + 4});
}

void CQXBrowserBackgroundDlg::OnSizeRestored() {
    if (m_pMainFrame) m_pMainFrame->m_bMaximized = FALSE;
    RECT rcWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    GetWindowRect(&m_rcWindow);
    if (rcWork.right - rcWork.left < m_rcWindow.right - m_rcWindow.left) {
        m_rcWindow.right = m_rcWindow.left + (rcWork.right - rcWork.left);
    }
    if (rcWork.bottom - rcWork.top < m_rcWindow.bottom - m_rcWindow.top) {
        m_rcWindow.bottom = m_rcWindow.top + (rcWork.bottom - rcWork.top);
    }
    // Twice, or once when a paint request came since the last size change.
    while (m_nPaintRequests < 2) {
        RedrawLayered(m_rcWindow);
        ++m_nPaintRequests;
    }
    m_bFollow = true;
    MoveMainFrame(m_rcWindow);
}

void CQXBrowserBackgroundDlg::MoveMainFrame(const RECT& rc) {
    if (m_pMainFrame && m_pMainFrame->GetSafeHwnd()) m_pMainFrame->MoveWindow(&rc, TRUE);
}

void CQXBrowserBackgroundDlg::OnSysCommand(UINT nID, LPARAM lParam) { CDialogEx::OnSysCommand(nID, lParam); }

void CQXBrowserBackgroundDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI) {
    lpMMI->ptMinTrackSize = {kMinTrackWidth, kMinTrackHeight};
    CDialogEx::OnGetMinMaxInfo(lpMMI);
}

BOOL CQXBrowserBackgroundDlg::OnEraseBkgnd(CDC*) { return TRUE; }

void CQXBrowserBackgroundDlg::OnKillFocus(CWnd* pNewWnd) { CDialogEx::OnKillFocus(pNewWnd); }

void CQXBrowserBackgroundDlg::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CDialogEx::OnActivate(nState, pWndOther, bMinimized);
}

BOOL CQXBrowserBackgroundDlg::PreTranslateMessage(MSG* pMsg) {
    // Close requests that come through the queue (the main window's close button posts one) end
    // the program: the owner is told, and this window goes with the main window it owns.
    const bool bClose = pMsg->message == WM_CLOSE ||
                        (pMsg->message == WM_SYSCOMMAND && (pMsg->wParam & 0xFFF0) == SC_CLOSE);
    if (bClose) {
        if (CWnd* pOwner = GetParent()) pOwner->PostMessage(WM_CLOSE, 0, 0);
        DestroyWindow();
        return TRUE;
    }
    return CDialogEx::PreTranslateMessage(pMsg);
}
