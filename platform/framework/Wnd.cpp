#include "platform/framework/Wnd.h"

#include "platform/framework/ControlHosting.h"
#include "platform/framework/OccManager.h"
#include "platform/framework/WinApp.h"
#include "platform/framework/WndInternal.h"
#include "platform/framework/WndMap.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace {
WNDPROC FrameworkProc() { return &qx::fw::AfxWndProc; }
LONG_PTR ProcValue(WNDPROC proc) { return reinterpret_cast<LONG_PTR>(proc); }
}  // namespace

CWnd::CWnd() = default;

CWnd::CWnd(HWND hSpecial) : m_hWnd(hSpecial), m_bTemporary(true) {}

// Made from the numbers themselves: the window system's named constants may not be initialised
// yet while these are.
const CWnd CWnd::wndTop(nullptr);
const CWnd CWnd::wndBottom(HandleFromId<HWND>(1));
const CWnd CWnd::wndTopMost(HandleFromId<HWND>(static_cast<std::uintptr_t>(-1)));
const CWnd CWnd::wndNoTopMost(HandleFromId<HWND>(static_cast<std::uintptr_t>(-2)));

CWnd::~CWnd() {
    if (qx::fw::WndAccess::IsTemporary(*this)) {
        m_hWnd = nullptr;
        return;
    }
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
    qx::fw::WndAccess::DestroyUnbound(*this);
    AttachControlDispatch(nullptr);
}

namespace qx::fw {

void WndAccess::ReleaseWindowState(CWnd& w) {
    if (w.m_pCtrlCont) {
        w.m_pCtrlCont->DetachAll();
        w.m_pCtrlCont.reset();
    }
    w.AttachControlDispatch(nullptr);
    w.m_bContinueModal = false;
    w.m_pfnSuper = nullptr;
    w.Detach();
}

void WndAccess::DestroyUnbound(CWnd& w) {
    HWND h = w.m_hWnd;
    if (!h) return;
    const bool alive = ::IsWindow(h);
    if (alive && w.m_pfnSuper) ::SetWindowLongPtrW(h, GWLP_WNDPROC, ProcValue(w.m_pfnSuper));
    ReleaseWindowState(w);
    if (alive) ::DestroyWindow(h);
}

void WndAccess::FinishNcDestroy(CWnd& w) {
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == &w) app->m_pMainWnd = nullptr;
    ReleaseWindowState(w);
    w.PostNcDestroy();
}

}  // namespace qx::fw

// Handles and objects ------------------------------------------------------------------------------

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    if (CWnd* w = qx::fw::FindPermanent(hwnd)) return w;
    return qx::fw::TemporaryFor(hwnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return hwnd ? qx::fw::FindPermanent(hwnd) : nullptr; }

BOOL CWnd::Attach(HWND hwnd) {
    if (!hwnd || m_hWnd || !::IsWindow(hwnd) || qx::fw::FindPermanent(hwnd)) return FALSE;
    qx::fw::AddPermanent(hwnd, this);
    m_hWnd = hwnd;
    qx::fw::OnWindowBound(*this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h) qx::fw::RemovePermanent(h, this);
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!Attach(hwnd)) return FALSE;
    PreSubclassWindow();
    if (m_hWnd != hwnd) return FALSE;  // PreSubclassWindow let go of it
    const auto old = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, ProcValue(FrameworkProc())));
    if (!old) {
        Detach();
        return FALSE;
    }
    if (old != FrameworkProc()) m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (!pParent) return FALSE;
    HWND h = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    if (!h || !SubclassWindow(h)) return FALSE;
    AttachControlSite(pParent);
    return TRUE;
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper && ::IsWindow(m_hWnd)) ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, ProcValue(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

// Creation and destruction -------------------------------------------------------------------------

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass) cs.lpszClass = qx::fw::kWndClassName;
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext*) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    if (m_hWnd) return FALSE;
    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) return FALSE;
    qx::fw::EnsureWindowClasses();

    qx::fw::PushPendingCreate(this);
    HWND h = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                               cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    qx::fw::PopPendingCreate(this);
    if (!h) return FALSE;
    // A window of another class (a control) reaches the framework only after it exists.
    if (!m_hWnd && ::IsWindow(h)) SubclassWindow(h);
    return m_hWnd == h ? TRUE : FALSE;
}

BOOL CWnd::CreateControl(REFCLSID clsid, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                         UINT nID, void* pPersist, BOOL, BSTR bstrLicKey) {
    LPCWSTR className = qx::fw::FindControlClass(clsid);
    if (!className || !pParentWnd || !pParentWnd->m_hWnd || m_hWnd || pPersist || bstrLicKey) return FALSE;
    HWND h = ::CreateWindowExW(0, className, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, pParentWnd->m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr, nullptr);
    if (!h) return FALSE;
    pParentWnd->InitControlContainer()->CreateSite(h, nID);
    if (!SubclassWindow(h)) return FALSE;
    AttachControlSite(pParentWnd);
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

// Hosted controls ----------------------------------------------------------------------------------

void CWnd::AttachControlDispatch(IDispatch* pDispatch) {
    if (pDispatch) pDispatch->AddRef();
    IDispatch* old = m_pDispatch;
    m_pDispatch = pDispatch;
    if (old) old->Release();
}

BOOL CWnd::AttachControlSite(CWnd* pParent) {
    COleControlContainer* container = pParent ? pParent->GetControlContainer() : nullptr;
    COleControlSite* site = container ? container->FindSite(m_hWnd) : nullptr;
    if (!site) return FALSE;
    AttachControlDispatch(site->GetDispatch());
    return TRUE;
}

COleControlContainer* CWnd::InitControlContainer() {
    if (!m_pCtrlCont) m_pCtrlCont = std::make_unique<COleControlContainer>(this);
    return m_pCtrlCont.get();
}

void CWnd::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) {
    InvokeHelper(dwDispID, DISPATCH_PROPERTYGET, vtProp, pvProp, nullptr);
}

void CWnd::SetProperty(DISPID dwDispID, VARTYPE vtProp, qx::fw::InvokeArg value) {
    // The type list codes of plain values are their VARTYPEs.
    const char codes[2] = {static_cast<char>(vtProp), 0};
    qx::fw::InvokeDispatch(m_pDispatch, dwDispID, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, codes, {value});
}
