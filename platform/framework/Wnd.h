#pragma once
// CWnd: a C++ object bound to a window handle. The object receives the window's messages through
// its class's message table, wraps the window functions, and carries a control's automation
// object for InvokeHelper. Windows are looked up by handle in a table, so a message for a window
// whose object is gone finds nothing and takes the default path.

#include "platform/framework/CmdTarget.h"
#include "platform/framework/EventSinkMap.h"
#include "platform/framework/Geometry.h"
#include "platform/framework/InvokeArg.h"
#include "platform/framework/MessageMap.h"
#include "platform/ole/Unknown.h"
#include "platform/win/WinApi.h"

#include <initializer_list>
#include <memory>

class CDC;
class CFont;
class CMenu;
class COleControlContainer;
class COleControlSite;
struct CCreateContext {};
namespace qx::fw {
struct WndAccess;
}

using CREATESTRUCT = CREATESTRUCTW;
using LPCREATESTRUCT = LPCREATESTRUCTW;

// nCtlColor of OnCtlColor: which WM_CTLCOLOR* message asked.
constexpr UINT CTLCOLOR_MSGBOX = 0;
constexpr UINT CTLCOLOR_EDIT = 1;
constexpr UINT CTLCOLOR_LISTBOX = 2;
constexpr UINT CTLCOLOR_BTN = 3;
constexpr UINT CTLCOLOR_DLG = 4;
constexpr UINT CTLCOLOR_SCROLLBAR = 5;
constexpr UINT CTLCOLOR_STATIC = 6;

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)

public:
    HWND m_hWnd = nullptr;

    CWnd();
    // Destroys a window the object still holds (its procedure is handed back first, so the
    // half-destroyed object hears nothing of it).
    ~CWnd() override;

    // Handles and objects -------------------------------------------------------------------------
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The object bound to hwnd; for a window without one, a stand-in object that lives until the
    // window is gone. Null for null.
    static CWnd* FromHandle(HWND hwnd);
    // Only a bound object; null otherwise.
    static CWnd* FromHandlePermanent(HWND hwnd);
    BOOL Attach(HWND hwnd);
    HWND Detach();
    // Binds the object to an existing window and routes its messages through the table first
    // (PreSubclassWindow runs before the window is taken over).
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Creation and destruction ----------------------------------------------------------------------
    virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x,
                          int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                          LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    // A control by class id (its window class registered with RegisterControlClass), hosted by
    // the parent's control container; the object is bound to it with its automation object.
    // No persisted state or licence key is supported: they must be null.
    BOOL CreateControl(REFCLSID clsid, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       UINT nID, void* pPersist = nullptr, BOOL bStorage = FALSE, BSTR bstrLicKey = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    // After WM_NCDESTROY, once the object is no longer bound; self-deleting windows delete here.
    virtual void PostNcDestroy();

    // Messages -------------------------------------------------------------------------------------
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The current message's default processing.
    LRESULT Default();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A control message (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM) that its parent hands
    // back to this control; TRUE when the control handled it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Hands a control message to the bound object of the control hwndChild.
    static BOOL ReflectMessage(HWND hwndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Runs a command through the message table: WM_COMMAND entries with this code and id.
    BOOL OnCmdMsg(UINT nID, int nCode);
    // Enter and Escape of a dialog (and its controls) as OK and cancel commands.
    BOOL IsDialogMessage(MSG* pMsg);
    BOOL PreTranslateInput(MSG* pMsg);
    // Runs the modal message loop for this window until EndModalLoop or the window's end.
    int RunModalLoop();
    virtual void EndModalLoop(int nResult);
    BOOL ContinueModal() const { return m_bContinueModal; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE);

    // Window functions ------------------------------------------------------------------------------
    // The insert-after places of SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsZoomed() const;
    BOOL IsIconic() const;
    BOOL CloseWindow();
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    BOOL BringWindowToTop();
    void SetWindowText(LPCWSTR lpszString);
    void SetWindowText(const CString& str) { SetWindowText(str.c_str()); }
    int GetWindowText(LPWSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    CString GetWindowText() const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    HFONT GetFontHandle() const;
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow();
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetActiveWindow();
    BOOL SetForegroundWindow();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    void SetDlgItemText(int nID, LPCWSTR lpszString);
    int GetDlgItemText(int nID, CString& rString) const;
    BOOL IsChild(const CWnd* pWnd) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);

    // Hosted controls and automation ------------------------------------------------------------------
    // The automation object of the control this object is bound to; null when it has none.
    IDispatch* GetControlDispatch() const { return m_pDispatch; }
    // Binds an automation object (one reference is taken, the previous one released).
    void AttachControlDispatch(IDispatch* pDispatch);
    // Takes the automation object of hwnd's site in pParent's control container.
    BOOL AttachControlSite(CWnd* pParent);
    COleControlContainer* GetControlContainer() const { return m_pCtrlCont.get(); }
    COleControlContainer* InitControlContainer();
    // Calls the bound automation object: vtRet and pvRet give the result (VT_EMPTY: none;
    // VT_BSTR fills a CString, VT_I4 a LONG, VT_BOOL a BOOL, VT_DISPATCH an IDispatch* the caller
    // releases); pbParamInfo lists the argument types (VTS_BSTR VTS_I4 ...). A failure raises
    // COleDispatchException.
    template <typename... Args>
    void InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, qx::fw::ParamInfo pbParamInfo,
                      Args&&... args) {
        qx::fw::InvokeDispatch(m_pDispatch, dwDispID, wFlags, vtRet, pvRet, pbParamInfo,
                               {qx::fw::InvokeArg(std::forward<Args>(args))...});
    }
    void GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp);
    void SetProperty(DISPID dwDispID, VARTYPE vtProp, qx::fw::InvokeArg value);
    // An event a hosted control fired, by control id and DISPID, through the event sink tables.
    virtual HRESULT OnEvent(UINT nCtlID, DISPID dispid, DISPPARAMS* pParams);

    // Default handlers of the message table entries -----------------------------------------------------
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnNcDestroy();
    void OnMove(int x, int y);
    void OnSize(UINT nType, int cx, int cy);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnEnable(BOOL bEnable);
    void OnPaint();
    void OnClose();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    // Hands the request to the control first (reflection); its brush wins when it gives one.
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    // Hands the drawing to the control's DrawItem (reflection).
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    HCURSOR OnQueryDragIcon();
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    LRESULT OnNcHitTest(CPoint point);
    UINT OnGetDlgCode();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnTimer(UINT_PTR nIDEvent);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnMouseHover(UINT nFlags, CPoint point);
    void OnMouseLeave();
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnCaptureChanged(CWnd* pWnd);
    void OnContextMenu(CWnd* pWnd, CPoint pos);
    void OnHotKey(UINT nHotKeyId, UINT nKey1, UINT nKey2);

    // The tables ------------------------------------------------------------------------------------
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap();
    virtual const AFX_EVENTSINKMAP* GetEventSinkMap() const;

protected:
    // The procedure the window had before the framework took it over (subclassed controls).
    WNDPROC m_pfnSuper = nullptr;
    bool m_bContinueModal = false;
    int m_nModalResult = -1;

private:
    friend struct qx::fw::WndAccess;
    // A stand-in for a special handle value (wndTop ...); it owns no window.
    explicit CWnd(HWND hSpecial);
    IDispatch* m_pDispatch = nullptr;
    std::unique_ptr<COleControlContainer> m_pCtrlCont;
    bool m_bTemporary = false;
    // The CDC of GetDC, kept until ReleaseDC.
    std::unique_ptr<CDC> m_pGetDC;
};

#include "platform/framework/MessageMapMacros.h"
