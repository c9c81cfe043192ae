// The main window's layout on every size change and the painting of the frame around the page
// area.

#include <algorithm>
#include <cstdint>

#include "mainframe/QXMainFrame.h"
#include "skin/AreaRect.h"
#include "skin/PlaceButton.h"
#include "skin/SkinFile.h"

namespace {

// Room for every control of the window and the tab strip's buttons.
constexpr int kLayoutBatchSize = 100;

// In the order they are queued, so later ones end above earlier ones. The favorites and notepad
// image buttons have no place in the chrome.
constexpr CQXPngButton CQXMainFrame::*kPlacedButtons[] = {
    &CQXMainFrame::m_btnClose,     &CQXMainFrame::m_btnMax,        &CQXMainFrame::m_btnMin,
    &CQXMainFrame::m_btnTasks,     &CQXMainFrame::m_btnContacts,   &CQXMainFrame::m_btnBack,
    &CQXMainFrame::m_btnForward,   &CQXMainFrame::m_btnStop,       &CQXMainFrame::m_btnRefresh,
    &CQXMainFrame::m_btnHome,      &CQXMainFrame::m_btnSetting,    &CQXMainFrame::m_btnPageIcon,
    &CQXMainFrame::m_btnSearchIcon, &CQXMainFrame::m_btnAddressGo, &CQXMainFrame::m_btnSearchGo,
};

struct PlacedEdit {
    CQXEdit CQXMainFrame::*pEdit;
    std::unique_ptr<CQXAreaLocationModel> CQXMainFrame::*pArea;
};

constexpr PlacedEdit kPlacedEdits[] = {
    {&CQXMainFrame::m_editAddress, &CQXMainFrame::m_pAddressArea},
    {&CQXMainFrame::m_editSearch, &CQXMainFrame::m_pSearchArea},
    {&CQXMainFrame::m_editTitle, &CQXMainFrame::m_pTitleArea},
    {&CQXMainFrame::m_editStatus, &CQXMainFrame::m_pStatusArea},
};

int Length(LONG nFrom, LONG nTo) {
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(nTo) - nFrom, INT32_MIN, INT32_MAX));
}

}  // namespace

void CQXMainFrame::OnSize(UINT, int, int) {
    // The maximise button shows the restore image while the pair is maximised.
    LoadMaxButtonLocation(m_bMaximized);
    m_bEraseAfterSize = TRUE;
    LayOutControls();
    m_bPainted = false;
}

void CQXMainFrame::LayOutControls() {
    HDWP hdwp = ::BeginDeferWindowPos(kLayoutBatchSize);
    // The window has no border: its own rectangle has the client's size.
    CRect rc;
    GetWindowRect(&rc);
    for (CQXPngButton CQXMainFrame::*pButton : kPlacedButtons) PlaceButton(rc, this->*pButton, hdwp);

    // One rectangle serves all four edits: an edit whose anchor has no rule takes the rectangle
    // of the edit before it.
    RECT rcArea{};
    for (const PlacedEdit& placed : kPlacedEdits) {
        CQXEdit& edit = this->*placed.pEdit;
        const std::unique_ptr<CQXAreaLocationModel>& pArea = this->*placed.pArea;
        if (!::IsWindow(edit.GetSafeHwnd()) || !pArea) continue;
        ComputeAreaRect(rc, *pArea, rcArea);
        hdwp = ::DeferWindowPos(hdwp, edit.GetSafeHwnd(), HWND_TOP, rcArea.left, rcArea.top,
                                Length(rcArea.left, rcArea.right), Length(rcArea.top, rcArea.bottom),
                                SWP_FRAMECHANGED);
    }
    // FIXME: the tab strip: give it rc as its container rectangle and queue its layout
    // (DeferLayoutTabs) into this batch.
    ::EndDeferWindowPos(hdwp);
}

BOOL CQXMainFrame::OnEraseBkgnd(CDC*) {
    // Never erased: painting covers what must be covered, and the page area belongs to the page.
    m_bEraseAfterSize = FALSE;
    return TRUE;
}

void CQXMainFrame::OnPaint() {
    CPaintDC dc(this);
    // The frame is painted once per layout change; later requests are completed without drawing.
    if (m_bPainted) return;
    PaintFrame(dc);
    m_bPainted = true;
}

void CQXMainFrame::PaintFrame(CDC& dc) {
    // FIXME: the tab strip keeps the page area's record; without one there is no frame to paint.
    if (!m_pContentArea) return;
    CRect rc;
    GetClientRect(&rc);
    CRect rcArea;
    ComputeAreaRect(rc, *m_pContentArea, rcArea);
    CBrush brush(CSkinFile::GetInstance().GetBackgroundColor());
    // Above the page area, left of it, below it, right of it.
    const RECT bands[] = {
        {rc.left, rc.top, rc.right, rcArea.top},
        {rc.left, rcArea.top, rcArea.left, rcArea.bottom},
        {rc.left, rcArea.bottom, rc.right, rc.bottom},
        {rcArea.right, rcArea.top, rc.right, rcArea.bottom},
    };
    for (const RECT& band : bands) dc.FillRect(&band, &brush);
}
