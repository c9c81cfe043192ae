#include "mainframe/QXMainFrame.h"

#include "res/ResourceIds.h"
#include "skin/SkinFile.h"

namespace {

constexpr WPARAM SC_DRAGMOVE = 0xF011;

constexpr const char16_t* kMakerSite = u"http://www.qxbrowser.example";

// The title box's text colour, 0B487F.
constexpr COLORREF kTitleTextColor = RGB(0x0B, 0x48, 0x7F);

struct SkinButton {
    CQXPngButton CQXMainFrame::*pButton;
    const char16_t* name;
};

// In the order the records are read.
constexpr SkinButton kSkinButtons[] = {
    {&CQXMainFrame::m_btnClose, u"BTN_TITLE_CLOSE"},
    {&CQXMainFrame::m_btnMax, u"BTN_TITLE_MAX"},
    {&CQXMainFrame::m_btnMin, u"BTN_TITLE_MIN"},
    {&CQXMainFrame::m_btnTasks, u"BTN_TASK_ICO"},
    {&CQXMainFrame::m_btnContacts, u"BTN_CONTACTS_ICO"},
    {&CQXMainFrame::m_btnNotepad, u"BTN_NOTEPAD_ICO"},
    {&CQXMainFrame::m_btnFavorites, u"BTN_FAVORITES_ICO"},
    {&CQXMainFrame::m_btnBack, u"BTN_BACK"},
    {&CQXMainFrame::m_btnForward, u"BTN_FORWARD"},
    {&CQXMainFrame::m_btnStop, u"BTN_STOP"},
    {&CQXMainFrame::m_btnRefresh, u"BTN_REFRESH"},
    {&CQXMainFrame::m_btnHome, u"BTN_HOME"},
    {&CQXMainFrame::m_btnSetting, u"BTN_SETTING"},
    {&CQXMainFrame::m_btnPageIcon, u"ADDRESS_PAGE_ICO"},
    {&CQXMainFrame::m_btnAddressGo, u"ADDRESS_PAGE_GOTO"},
    {&CQXMainFrame::m_btnSearchIcon, u"SEARCH_PAGE_ICO"},
    {&CQXMainFrame::m_btnSearchGo, u"SEARCH_PAGE_GOTO"},
};

}  // namespace

BEGIN_MESSAGE_MAP(CQXMainFrame, CDialogEx)
    ON_WM_CTLCOLOR()
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

    m_staticPageArea.ShowWindow(SW_HIDE);
    LoadButtonLocations();
    SetUpInputBoxes();

    // FIXME: the tab strip with its skin records and add button (it takes over m_pContentArea),
    // the first tab on m_strHomeUrl and timer 1331.
    m_pContentArea = CSkinFile::GetInstance().ReadAreaLocation(u"LAYOUT", u"MAIN_CONTENT_AREA");

    SetUpTextBoxes(crBackground);
    m_editAddress.SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_SHOWWINDOW);
    // The background window shows this window again as soon as it has made it.
    ShowWindow(SW_HIDE);
    Invalidate();
    CollapseControls({IDC_BTN_FAVORITE, IDC_BTN_NOTEPAD, IDC_BTN_CONTACTS, IDC_BTN_TASKS, IDC_BTN_FAVORITES_ICO,
                      IDC_BTN_NOTEPAD_ICO});

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

void CQXMainFrame::LoadButtonLocations() {
    // The skin reader refills one shared record at every read; each button copies it at once.
    CSkinFile& skin = CSkinFile::GetInstance();
    for (const SkinButton& button : kSkinButtons) {
        (this->*button.pButton).SetLocation(*skin.ReadButtonLocation(button.name));
    }
}

void CQXMainFrame::LoadMaxButtonLocation(BOOL bMaximized) {
    const char16_t* name = bMaximized ? u"BTN_TITLE_MAX2" : u"BTN_TITLE_MAX";
    m_btnMax.SetLocation(*CSkinFile::GetInstance().ReadButtonLocation(name));
}

void CQXMainFrame::SetUpInputBoxes() {
    // The font object ends with this function, and a control whose font is gone draws with the
    // default font: the boxes keep upright text in the default face.
    CFont font;
    font.CreateFont(0, 0, 2700, 2700, FW_BOLD, FALSE, FALSE, FALSE, 1, 0, 0, 0, 0, u"Times New Roman");
    m_editAddress.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(font)), TRUE);
    m_editSearch.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(font)), TRUE);

    m_editAddress.m_nEnterId = IDC_ADDRESS_EDIT;
    m_editSearch.m_nEnterId = IDC_SEARCH_EDIT;
    CollapseControls({IDC_BTN_ADDRESS_COVER, IDC_BTN_SEARCH_COVER});
    m_editAddress.SetFocus();
}

void CQXMainFrame::SetUpTextBoxes(COLORREF crBackground) {
    m_editTitle.Invalidate();
    m_editTitle.SetColors(kTitleTextColor, crBackground);
    m_editTitle.Invalidate();
    ApplyTitle(m_strTitle, u"");

    m_editStatus.Invalidate();
    m_editStatus.SetColors(RGB(0, 0, 0), crBackground);
    m_editStatus.Invalidate();
    m_editStatus.SetWindowText(m_strTitle);
}

void CQXMainFrame::CollapseControls(std::initializer_list<UINT> ids) {
    for (UINT nID : ids) {
        if (CWnd* pControl = GetDlgItem(static_cast<int>(nID))) pControl->MoveWindow(0, 0, 0, 0);
    }
}

void CQXMainFrame::ApplyTitle(const CString& strBaseTitle, const CString& strPageTitle) {
    CString strText = strBaseTitle.empty() ? strPageTitle : strBaseTitle;
    if (!strBaseTitle.empty() && !strPageTitle.empty()) strText = strBaseTitle + u" - " + strPageTitle;
    m_editTitle.SetWindowText(strText);
    if (CWnd* pParent = GetParent()) pParent->SetWindowText(strText);
}

HBRUSH CQXMainFrame::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    // The control still sets its own colours on the context; the brush is always the
    // background's, whose colour the key makes transparent.
    CDialogEx::OnCtlColor(pDC, pWnd, nCtlColor);
    return m_brBackground;
}

void CQXMainFrame::ToggleMaximize() {
    CWnd* pParent = GetParent();
    LoadMaxButtonLocation(!m_bMaximized);
    if (m_bMaximized) {
        if (pParent) pParent->ShowWindow(SW_SHOWNORMAL);
        m_bMaximized = FALSE;
    } else {
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

void CQXMainFrame::OnLButtonDown(UINT nFlags, CPoint point) {
    // A press on the window itself (not on a control) drags the window pair.
    if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_SYSCOMMAND, SC_DRAGMOVE, 0);
    CDialogEx::OnLButtonDown(nFlags, point);
}

void CQXMainFrame::OnLButtonDblClk(UINT nFlags, CPoint point) {
    ToggleMaximize();
    CDialogEx::OnLButtonDblClk(nFlags, point);
}

void CQXMainFrame::OnKillFocus(CWnd* pNewWnd) { CDialogEx::OnKillFocus(pNewWnd); }

void CQXMainFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CDialogEx::OnActivate(nState, pWndOther, bMinimized);
}
