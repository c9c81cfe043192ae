#include "mainframe/QXMainFrame.h"

#include "res/ResourceIds.h"
#include "skin/AreaRect.h"
#include "skin/SkinFile.h"

namespace {

constexpr WPARAM SC_DRAGMOVE = 0xF011;

constexpr const char16_t* kMakerSite = u"http://www.qxbrowser.example";

}  // namespace

BEGIN_MESSAGE_MAP(CQXMainFrame, CDialogEx)
    // FIXME: the control colour request (OnCtlColor answering m_brBackground for every child).
    ON_COMMAND(IDC_BTN_MIN, &CQXMainFrame::OnMinimize)
    ON_COMMAND(IDC_BTN_MAX, &CQXMainFrame::ToggleMaximize)
    ON_COMMAND(IDC_BTN_CLOSE, &CQXMainFrame::OnClose)
    ON_WM_SIZE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    // FIXME: the toolbar, tool-button, search and tab commands, the timer and the page events.
    ON_COMMAND(IDOK, &CQXMainFrame::OnIgnoreCommand)
    ON_COMMAND(IDCANCEL, &CQXMainFrame::OnIgnoreCommand)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    // FIXME: the settings menu's command codes (WM_HOTKEY).
    ON_WM_KILLFOCUS()
    ON_WM_ACTIVATE()
    // FIXME: commands 1019 and 1044.
    ON_CONTROL(EN_CHANGE, IDC_SEARCH_EDIT, &CQXMainFrame::OnIgnoreCommand)
    // FIXME: command 1045.
END_MESSAGE_MAP()

CQXMainFrame::CQXMainFrame(CWnd* pParent)
    : CDialogEx(IDD_MAIN_FRAME, pParent),
      m_strTasksUrl(CString(kMakerSite) + u"/tools/memo.shtml"),
      m_strNotepadUrl(CString(kMakerSite) + u"/tools/memo.shtml"),
      m_strContactsUrl(CString(kMakerSite) + u"/tools/contacts.shtml"),
      m_strHomeUrl(u"https://www.baidu.com/"),
      m_strTitle(kTitle) {
    CSkinFile& skin = CSkinFile::GetInstance();
    m_pAddressArea = skin.ReadAreaLocation(u"IMG", u"ADDRESS_PAGE_INPUT");
    m_pSearchArea = skin.ReadAreaLocation(u"IMG", u"SEARCH_PAGE_INPUT");
    m_pTitleArea = skin.ReadAreaLocation(u"IMG", u"TITLE_BAR_TEXT");
    m_pStatusArea = skin.ReadAreaLocation(u"IMG", u"STATE_BAR_TEXT");
}

CQXMainFrame::~CQXMainFrame() = default;

void CQXMainFrame::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BTN_CLOSE, m_btnClose);
    DDX_Control(pDX, IDC_BTN_MAX, m_btnMax);
    DDX_Control(pDX, IDC_BTN_MIN, m_btnMin);
    DDX_Control(pDX, IDC_BTN_NOTEPAD_ICO, m_btnNotepad);
    DDX_Control(pDX, IDC_BTN_CONTACTS_ICO, m_btnContacts);
    DDX_Control(pDX, IDC_BTN_TASK_ICO, m_btnTasks);
    DDX_Control(pDX, IDC_BTN_BACK, m_btnBack);
    DDX_Control(pDX, IDC_BTN_FORWARD, m_btnForward);
    DDX_Control(pDX, IDC_BTN_STOP, m_btnStop);
    DDX_Control(pDX, IDC_BTN_REFRESH, m_btnRefresh);
    DDX_Control(pDX, IDC_BTN_HOME, m_btnHome);
    DDX_Control(pDX, IDC_BTN_SETTING, m_btnSetting);
    DDX_Control(pDX, IDC_BTN_FAVORITES_ICO, m_btnFavorites);
    DDX_Control(pDX, IDC_BTN_PAGE_ICO, m_btnPageIcon);
    DDX_Control(pDX, IDC_BTN_SEARCH_ICO, m_btnSearchIcon);
    DDX_Control(pDX, IDC_BTN_ADDRESS_GO, m_btnAddressGo);
    DDX_Control(pDX, IDC_BTN_SEARCH_GO, m_btnSearchGo);
    DDX_Control(pDX, IDC_ADDRESS_EDIT, m_editAddress);
    DDX_Control(pDX, IDC_SEARCH_EDIT, m_editSearch);
    DDX_Control(pDX, IDC_TITLE_EDIT, m_editTitle);
    DDX_Control(pDX, IDC_STATUS_EDIT, m_editStatus);
    DDX_Control(pDX, IDC_PAGE_AREA, m_staticPageArea);
}

BOOL CQXMainFrame::OnInitDialog() {
    CDialogEx::OnInitDialog();

    const COLORREF crBackground = CSkinFile::GetInstance().GetBackgroundColor();
    m_brBackground.DeleteObject();
    m_brBackground.CreateSolidBrush(crBackground);
    ModifyStyleEx(0, WS_EX_COMPOSITED);
    ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(GetExStyle() | WS_EX_LAYERED));
    ApplyColorKey(crBackground);

    // FIXME: hide control 1039; give the 17 image buttons their skin records; the address and
    // search boxes' font and Enter ids (1021, 1024); controls 1044 and 1045 to zero size; focus
    // the address box.
    // FIXME: the tab strip with its skin records and add button (it takes over m_pContentArea),
    // the first tab on m_strHomeUrl and timer 1331.
    m_pContentArea = CSkinFile::GetInstance().ReadAreaLocation(u"LAYOUT", u"MAIN_CONTENT_AREA");
    // FIXME: the title and status boxes' colours and texts (ApplyTitle), the address box raised,
    // this window hidden and invalidated, controls 1005 to 1010 to zero size.

    m_bPainted = false;
    return TRUE;
}

void CQXMainFrame::ApplyColorKey(COLORREF crBackground) {
    // The key is the very colour the background brush paints. (Keying on the colour with red
    // and blue exchanged would leave a skin whose background colour has unequal red and blue
    // painted over the whole skin.)
    HMODULE hUser32 = ::LoadLibraryW(u"User32.DLL");
    using PFN_SETLAYEREDWINDOWATTRIBUTES = BOOL (*)(HWND, COLORREF, BYTE, DWORD);
    const auto pfnSetAttributes = reinterpret_cast<PFN_SETLAYEREDWINDOWATTRIBUTES>(
        hUser32 ? ::GetProcAddress(hUser32, "SetLayeredWindowAttributes") : nullptr);
    if (pfnSetAttributes) pfnSetAttributes(m_hWnd, crBackground, 255, LWA_COLORKEY);
    if (hUser32) ::FreeLibrary(hUser32);
}

void CQXMainFrame::ToggleMaximize() {
    CSkinFile& skin = CSkinFile::GetInstance();
    CWnd* pParent = GetParent();
    if (m_bMaximized) {
        m_btnMax.SetLocation(*skin.ReadButtonLocation(u"BTN_TITLE_MAX"));
        if (pParent) pParent->ShowWindow(SW_SHOWNORMAL);
        m_bMaximized = FALSE;
    } else {
        m_btnMax.SetLocation(*skin.ReadButtonLocation(u"BTN_TITLE_MAX2"));
        if (pParent) pParent->ShowWindow(SW_MAXIMIZE);
        m_bMaximized = TRUE;
    }
}

void CQXMainFrame::OnMinimize() {
    // The owned main window goes with its owner.
    if (CWnd* pParent = GetParent()) pParent->ShowWindow(SW_MINIMIZE);
}

void CQXMainFrame::OnClose() {
    // The background window ends the program when the close request comes through the queue.
    CloseWindow();
    if (CWnd* pParent = GetParent()) pParent->PostMessage(WM_CLOSE, 0, 0);
}

void CQXMainFrame::OnSize(UINT, int, int) {
    // FIXME: the layout: the maximise button's record, then one deferred batch placing the image
    // buttons, the four edits and the tab strip.
    m_bEraseAfterSize = TRUE;
    m_bPainted = false;
}

void CQXMainFrame::OnLButtonDown(UINT nFlags, CPoint point) {
    // A press on the window itself (not on a control) drags the window pair.
    if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_SYSCOMMAND, SC_DRAGMOVE, 0);
    CDialogEx::OnLButtonDown(nFlags, point);
}

void CQXMainFrame::OnLButtonDblClk(UINT nFlags, CPoint point) {
    ToggleMaximize();
    CDialogEx::OnLButtonDblClk(nFlags, point);
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

    CRect rc;
    GetClientRect(&rc);
    CRect rcArea;
    if (m_pContentArea) ComputeAreaRect(rc, *m_pContentArea, rcArea);
    CBrush brush(CSkinFile::GetInstance().GetBackgroundColor());
    // Above the page area, left of it, below it, right of it.
    const RECT bands[] = {
        {rc.left, rc.top, rc.right, rcArea.top},
        {rc.left, rcArea.top, rcArea.left, rcArea.bottom},
        {rc.left, rcArea.bottom, rc.right, rc.bottom},
        {rcArea.right, rcArea.top, rc.right, rcArea.bottom},
    };
    for (const RECT& band : bands) dc.FillRect(&band, &brush);
    m_bPainted = true;
}

void CQXMainFrame::OnKillFocus(CWnd* pNewWnd) { CDialogEx::OnKillFocus(pNewWnd); }

void CQXMainFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CDialogEx::OnActivate(nState, pWndOther, bMinimized);
}
