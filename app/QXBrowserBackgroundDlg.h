#pragma once
// The window the desktop sees as the program's: it carries the caption, the taskbar button and
// the window states, and shows nothing but the skin, composed from the skin's bars, borders,
// corners and box backgrounds into one image with per-pixel alpha and handed to the system as a
// layered window. It creates the main window and keeps it lying exactly over itself; close
// requests that reach it end the program through its owner.

#include <array>
#include <memory>

#include "app/SkinImageCache.h"
#include "mainframe/QXMainFrame.h"
#include "platform/framework/Framework.h"
#include "platform/gfx/GdiPlus.h"
#include "skin/QXAreaLocationModel.h"

class CQXBrowserBackgroundDlg : public CDialogEx {
public:
    // The skin elements of the background, in drawing order: later ones over earlier ones.
    static constexpr std::size_t kElementCount = 21;
    // The caption text, until a page gives the window its title.
    static constexpr const char16_t* kCaption = u"栎木网络互联";
    // The smallest size the user can drag the window to.
    static constexpr LONG kMinTrackWidth = 600;
    static constexpr LONG kMinTrackHeight = 400;

    CQXBrowserBackgroundDlg();
    ~CQXBrowserBackgroundDlg() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;

    // Composes the skin for the size of rc and gives it to the window at rc's top-left corner;
    // the window takes that position and size.
    void RedrawLayered(const RECT& rc);
    // Draws one element, tiled at natural size over its rectangle within rcParent. rcArea is the
    // rectangle the elements of one redraw share: an element whose anchor has no rule is drawn
    // over the rectangle of the element before it.
    void TileArea(const CQXAreaLocationModel& area, const RECT& rcParent, Gdiplus::GpGraphics* pGraphics,
                  RECT& rcArea);

    HICON m_hIcon = nullptr;
    std::unique_ptr<CQXMainFrame> m_pMainFrame;
    RECT m_rcWindow{};
    std::array<std::unique_ptr<CQXAreaLocationModel>, kElementCount> m_elements;
    HMODULE m_hUser32 = nullptr;
    using PFN_UPDATELAYEREDWINDOW = BOOL (*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
    PFN_UPDATELAYEREDWINDOW m_pfnUpdateLayeredWindow = nullptr;
    int m_nPaintRequests = 0;  // 1 when a paint request came since the last size change
    bool m_bFollow = true;     // moves of this window carry the main window along

protected:
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMove(int x, int y);
    void OnSize(UINT nType, int cx, int cy);
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnIgnoreCommand() {}
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnKillFocus(CWnd* pNewWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    DECLARE_MESSAGE_MAP()

private:
    void OnSizeMaximized(int cx);
    void OnSizeRestored();
    void MoveMainFrame(const RECT& rc);
    // Without UpdateLayeredWindow the composed skin is kept and painted as an ordinary window.
    void KeepForPainting(HBITMAP hBitmap, const RECT& rc);

    CSkinImageCache m_images;
    CGdiObject m_bmpFallback;
    POINT m_ptFallback{};  // screen point of the kept image's top-left corner
};
