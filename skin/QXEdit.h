#pragma once
// The chrome's edit box: paints in colours of its own once it has a brush, and tells its parent
// of Enter by writing its Enter id into the parent's window text (the mailbox), which it empties
// again when it loses the focus.

#include "platform/framework/Framework.h"

class CQXEdit : public CEdit {
    DECLARE_DYNAMIC(CQXEdit)

public:
    CQXEdit();
    ~CQXEdit() override;

    // Sets both colours and replaces the brush with one of the background colour.
    void SetColors(COLORREF crText, COLORREF crBack);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    COLORREF m_crText = 0;
    COLORREF m_crBack = 0;
    CBrush m_brBack;  // none until the owner gives the edit its colours
    int m_nEnterId = 0;

protected:
    void OnKillFocus(CWnd* pNewWnd);
    void OnSetFocus(CWnd* pOldWnd);
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
