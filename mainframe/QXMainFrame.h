#pragma once
// The browser window the user works in: a borderless pop-up lying exactly over the skinned
// background window, which owns it, creates it, moves it and sizes it. Whatever is not a control
// is painted in the skin's background colour, which a colour key makes transparent, so the skin
// shows through around the controls.

#include <initializer_list>
#include <memory>

#include "platform/framework/Framework.h"
#include "skin/QXAreaLocationModel.h"
#include "skin/QXEdit.h"
#include "skin/QXPngButton.h"

class CQXMainFrame : public CDialogEx {
public:
    // The window title and the status line's text at start.
    static constexpr const char16_t* kTitle = u"栎木网络互联测试版";

    explicit CQXMainFrame(CWnd* pParent);
    ~CQXMainFrame() override;

    BOOL OnInitDialog() override;

    // Maximises or restores the background window, which carries this window along, and swaps
    // the maximise button's image.
    void ToggleMaximize();
    // Shows "base - page" (or whichever of the two is not empty) in the title box and as the
    // background window's caption.
    void ApplyTitle(const CString& strBaseTitle, const CString& strPageTitle);

    int m_nSearchEngine = 2;  // 1 Google, 2 Baidu
    CBrush m_brBackground;
    BOOL m_bMaximized = FALSE;  // the window pair is maximised; the background window writes it too
    CQXPngButton m_btnClose;
    CQXPngButton m_btnMax;
    CQXPngButton m_btnMin;
    CQXPngButton m_btnNotepad;
    CQXPngButton m_btnContacts;
    CQXPngButton m_btnTasks;
    CQXPngButton m_btnFavorites;
    CQXPngButton m_btnBack;
    CQXPngButton m_btnForward;
    CQXPngButton m_btnStop;
    CQXPngButton m_btnRefresh;
    CQXPngButton m_btnHome;
    CQXPngButton m_btnSetting;
    CQXPngButton m_btnPageIcon;
    CQXPngButton m_btnSearchIcon;
    CQXPngButton m_btnAddressGo;
    CQXPngButton m_btnSearchGo;
    CQXEdit m_editAddress;
    std::unique_ptr<CQXAreaLocationModel> m_pAddressArea;
    CQXEdit m_editSearch;
    std::unique_ptr<CQXAreaLocationModel> m_pSearchArea;
    CQXEdit m_editTitle;
    std::unique_ptr<CQXAreaLocationModel> m_pTitleArea;
    CQXEdit m_editStatus;
    std::unique_ptr<CQXAreaLocationModel> m_pStatusArea;
    // FIXME: the tab strip, std::unique_ptr<CQXTabCtrl> m_pTabCtrl, made in OnInitDialog.
    int m_nCloseBtnTab = -1;  // the tab whose close button is shown; -1 none
    CString m_strTasksUrl;
    CString m_strNotepadUrl;
    CString m_strContactsUrl;
    CString m_strHomeUrl;
    CString m_strTitle;
    BOOL m_bEraseAfterSize = FALSE;
    CStatic m_staticPageArea;  // hidden; page dialogs report their events under its id
    bool m_bPainted = false;   // the frame was painted since the last layout change

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnMinimize();
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnIgnoreCommand() {}
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    void OnKillFocus(CWnd* pNewWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    DECLARE_MESSAGE_MAP()

private:
    // Makes the background colour transparent; the key is the colour the background is painted in.
    void ApplyColorKey(COLORREF crBackground);
    // Gives every image button its skin position, size, anchor and image.
    void LoadButtonLocations();
    // The maximise button's record and image for the given window state.
    void LoadMaxButtonLocation(BOOL bMaximized);
    // The address and search boxes: font, Enter ids, and the focus.
    void SetUpInputBoxes();
    // The title and status boxes: their colours and first texts.
    void SetUpTextBoxes(COLORREF crBackground);
    // Moves the controls that have no place in the chrome to (0, 0) with size 0 x 0.
    void CollapseControls(std::initializer_list<UINT> ids);
    // Places every control from its skin record in one deferred batch.
    void LayOutControls();
    // Fills the window around the page area in the skin's background colour.
    void PaintFrame(CDC& dc);

    // FIXME: the tab strip keeps this record (its m_pContentArea) once it exists.
    std::unique_ptr<CQXAreaLocationModel> m_pContentArea;
};
