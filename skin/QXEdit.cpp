#include "skin/QXEdit.h"

#include "platform/base/Strings.h"

IMPLEMENT_DYNAMIC(CQXEdit, CEdit)

BEGIN_MESSAGE_MAP(CQXEdit, CEdit)
    ON_WM_KILLFOCUS()
    ON_WM_SETFOCUS()
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CQXEdit::CQXEdit() = default;
CQXEdit::~CQXEdit() = default;

void CQXEdit::SetColors(COLORREF crText, COLORREF crBack) {
    m_crText = crText;
    m_crBack = crBack;
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(crBack);
}

BOOL CQXEdit::PreTranslateMessage(MSG* pMsg) {
    // The key goes on: the parent's own filter reads the mailbox and acts on it.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        if (CWnd* pParent = GetParent()) pParent->SetWindowText(qx::FormatWide(u"%d", m_nEnterId));
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CQXEdit::OnKillFocus(CWnd*) {
    Default();
    if (CWnd* pParent = GetParent()) pParent->SetWindowText(u"");
}

void CQXEdit::OnSetFocus(CWnd*) { Default(); }

HBRUSH CQXEdit::CtlColor(CDC* pDC, UINT) {
    // Without a brush the parent's colours apply.
    if (!m_brBack.GetSafeHandle()) return nullptr;
    pDC->SetTextColor(m_crText);
    pDC->SetBkColor(m_crBack);
    return m_brBack;
}
