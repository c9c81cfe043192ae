#pragma once
// The chrome's image button: an owner-drawn push button that paints one frame of a PNG strip of
// four equal frames side by side (normal, hover, pressed, unused), chosen by its state. The
// pointer resting on it shows the hover frame; pressing it shows the pressed frame.

#include <memory>

#include "platform/framework/Framework.h"
#include "platform/gfx/GdiPlus.h"
#include "skin/QXButtonLocationModel.h"

class CQXPngButton : public CButton {
    DECLARE_DYNAMIC(CQXPngButton)

public:
    CQXPngButton();
    ~CQXPngButton() override;

    // Loads the strip (replacing the previous one); a file that cannot be loaded leaves every
    // size 0 and the button draws nothing.
    void SetImage(const CString& strImage);
    // Copies the skin position, size and anchor, then loads the record's image. The button is
    // not moved: the owner's next layout places it.
    void SetLocation(const CQXButtonLocationModel& location);

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    BOOL m_bTracking = FALSE;  // a hover-and-leave report is pending
    BOOL m_bHover = FALSE;     // the pointer rests over the button
    int m_nImageWidth = 0;
    int m_nFrameHeight = 0;
    int m_nFrameWidth = 0;
    RECT m_rcInvalid{};
    int m_nX = 0;
    int m_nY = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    CString m_strAnchor;
    int m_nDrawnState = 0;  // the normal (0) or hover (1) frame drawn last

protected:
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseHover(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnLButtonDownUp(UINT nFlags, CPoint point);
    BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    struct ImageDisposer {
        void operator()(Gdiplus::GpBitmap* image) const { Gdiplus::GdipDisposeImage(image); }
    };

    void InvalidateWholeButton();
    // Hides and shows the button again when the normal/hover frame changes, so the parent
    // repaints what lies behind it.
    void SetDrawnState(int nState);

    std::unique_ptr<Gdiplus::GpBitmap, ImageDisposer> m_pImage;
};
