#pragma once
// Dialogs from templates. Creation sends WM_CREATE to the dialog (OnCreate runs before any
// control exists), makes the template's controls with their ids, classes, styles, captions and
// rectangles, then sends WM_INITDIALOG (OnInitDialog, whose base binds controls to members
// through DoDataExchange). Modeless with Create, modal with DoModal; in both, Enter and Escape
// reach the dialog as the commands IDOK and IDCANCEL, whose base handlers end it.

#include "platform/framework/DataExchange.h"
#include "platform/framework/DialogTemplate.h"
#include "platform/framework/GdiObject.h"
#include "platform/framework/Wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // A dialog object going away destroys its window first, unbound, so that neither the
    // dialog's handlers nor its controls' notifications reach a half-destroyed object.
    ~CDialog() override;

    // Modeless: the window is made now, owned by (or, for a child template, a child of)
    // pParentWnd. FALSE when the template is unknown or creation failed.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(const DialogTemplate& tpl, CWnd* pParentWnd = nullptr);
    // Modal on a template given directly rather than by id.
    void InitModalIndirect(const DialogTemplate& tpl, CWnd* pParentWnd = nullptr);
    // Modal: disables the owner, shows the dialog and runs the message loop until EndDialog,
    // the dialog's destruction or the end of the program's loop (WM_QUIT); then destroys the
    // window. The EndDialog result, else -1. The object must outlive the call.
    virtual INT_PTR DoModal();
    // Ends a modal dialog with nResult; hides a modeless one.
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);
    void GotoDlgCtrl(CWnd* pWndCtrl);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The dialog's default processing: a close request becomes the cancel command, as the
    // dialog manager does; the template's font answers WM_GETFONT.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDHelp = 0;
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    const DialogTemplate* FindTemplate() const;
    BOOL CreateFromTemplate(const DialogTemplate& tpl, HWND hWndParent);
    void CreateControls(const DialogTemplate& tpl);

    const DialogTemplate* m_pIndirectTemplate = nullptr;
    CFont m_font;
};
