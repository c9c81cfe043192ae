#include "platform/framework/Dialog.h"

#include "platform/framework/DialogEx.h"
#include "platform/framework/WinApp.h"
#include "platform/framework/WndInternal.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)
IMPLEMENT_DYNAMIC(CDialogEx, CDialog)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() { qx::fw::WndAccess::DestroyUnbound(*this); }

const DialogTemplate* CDialog::FindTemplate() const {
    return m_pIndirectTemplate ? m_pIndirectTemplate : qx::fw::FindDialogTemplate(m_nIDTemplate);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    m_pIndirectTemplate = nullptr;
    m_pParentWnd = pParentWnd;
    const DialogTemplate* tpl = FindTemplate();
    return tpl ? CreateFromTemplate(*tpl, pParentWnd ? pParentWnd->m_hWnd : nullptr) : FALSE;
}

BOOL CDialog::CreateIndirect(const DialogTemplate& tpl, CWnd* pParentWnd) {
    m_pIndirectTemplate = &tpl;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(tpl, pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

void CDialog::InitModalIndirect(const DialogTemplate& tpl, CWnd* pParentWnd) {
    m_pIndirectTemplate = &tpl;
    m_pParentWnd = pParentWnd;
}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* tpl = FindTemplate();
    if (!tpl || m_hWnd) return -1;

    // The owner is the top-level window of the parent, or the main window.
    HWND hWndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!hWndOwner) {
        CWnd* main = AfxGetMainWnd();
        if (main && main != this) hWndOwner = main->m_hWnd;
    }
    if (hWndOwner) hWndOwner = ::GetAncestor(hWndOwner, GA_ROOT);
    const bool enableOwner = hWndOwner && ::IsWindowEnabled(hWndOwner);
    if (enableOwner) ::EnableWindow(hWndOwner, FALSE);

    m_bContinueModal = true;
    m_nModalResult = -1;
    if (CreateFromTemplate(*tpl, hWndOwner) && m_bContinueModal) {
        // Shown once initialised, as the dialog manager does. A dialog initialised to an empty
        // rectangle has nothing to show and stays hidden rather than becoming an empty window.
        RECT rc;
        ::GetWindowRect(m_hWnd, &rc);
        if (!::IsWindowVisible(m_hWnd) && rc.right > rc.left && rc.bottom > rc.top) ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
        RunModalLoop();
    }

    HWND h = m_hWnd;
    if (h) {
        ::SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    // The owner comes back before the dialog goes, so that activation returns to it.
    if (enableOwner) ::EnableWindow(hWndOwner, TRUE);
    if (h && hWndOwner && ::GetActiveWindow() == h) ::SetActiveWindow(hWndOwner);
    if (h) DestroyWindow();
    m_bContinueModal = false;
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    if (m_bContinueModal) {
        EndModalLoop(nResult);
        return;
    }
    m_nModalResult = nResult;
    if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (!pWndCtrl || !pWndCtrl->m_hWnd) return;
    const auto code = static_cast<UINT>(pWndCtrl->SendMessage(WM_GETDLGCODE));
    if (code & DLGC_HASSETSEL) pWndCtrl->SendMessage(EM_SETSEL, 0, -1);
    pWndCtrl->SetFocus();
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    return PreTranslateInput(pMsg);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_pfnSuper) {
        if (message == WM_CLOSE) {
            HWND hWndCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (!hWndCancel || ::IsWindowEnabled(hWndCancel)) {
                ::PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IDCANCEL), static_cast<WORD>(BN_CLICKED)),
                               reinterpret_cast<LPARAM>(hWndCancel));
            }
            return 0;
        }
        if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(m_font.m_hObject);
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}
