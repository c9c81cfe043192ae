#pragma once
// The entries of message tables. Each names the message it binds and the handler it calls with
// the parameters unpacked, in the framework's usual signatures:
//   ON_WM_SIZE()            void OnSize(UINT nType, int cx, int cy)
//   ON_COMMAND(id, fn)      void fn()
//   ON_NOTIFY(code, id, fn) void fn(NMHDR* pNMHDR, LRESULT* pResult)
//   ON_MESSAGE(msg, fn)     LRESULT fn(WPARAM, LPARAM)
// Reflected forms (ON_CONTROL_REFLECT, ON_NOTIFY_REFLECT, ON_WM_CTLCOLOR_REFLECT,
// ON_WM_DRAWITEM_REFLECT) go in the table of the control the message came from.

#include "platform/framework/Dc.h"
#include "platform/framework/Geometry.h"
#include "platform/framework/MessageMap.h"

namespace qx::fw {
inline UINT CtlColorType(UINT message) { return message - WM_CTLCOLORMSGBOX; }
inline HDC DcParam(WPARAM wParam) { return reinterpret_cast<HDC>(wParam); }
inline HWND WndParam(UINT_PTR value) { return reinterpret_cast<HWND>(value); }
inline LPARAM ResultOf(HANDLE h) { return reinterpret_cast<LPARAM>(h); }
}  // namespace qx::fw

// Window messages -----------------------------------------------------------------------------------

#define ON_WM_CREATE() \
    QX_MESSAGE_ENTRY(WM_CREATE, qxMsg.result = self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(qxMsg.lParam)))
#define ON_WM_DESTROY() QX_MESSAGE_ENTRY(WM_DESTROY, self->OnDestroy())
#define ON_WM_NCDESTROY() QX_MESSAGE_ENTRY(WM_NCDESTROY, self->OnNcDestroy())
#define ON_WM_MOVE() \
    QX_MESSAGE_ENTRY(WM_MOVE, self->OnMove(GET_X_LPARAM(qxMsg.lParam), GET_Y_LPARAM(qxMsg.lParam)))
#define ON_WM_SIZE() \
    QX_MESSAGE_ENTRY(WM_SIZE, self->OnSize(static_cast<UINT>(qxMsg.wParam), LOWORD(qxMsg.lParam), HIWORD(qxMsg.lParam)))
#define ON_WM_ACTIVATE()                                                                           \
    QX_MESSAGE_ENTRY(WM_ACTIVATE, self->OnActivate(LOWORD(qxMsg.wParam),                           \
                                                   CWnd::FromHandle(qx::fw::WndParam(qxMsg.lParam)), \
                                                   HIWORD(qxMsg.wParam)))
#define ON_WM_SETFOCUS() \
    QX_MESSAGE_ENTRY(WM_SETFOCUS, self->OnSetFocus(CWnd::FromHandle(qx::fw::WndParam(qxMsg.wParam))))
#define ON_WM_KILLFOCUS() \
    QX_MESSAGE_ENTRY(WM_KILLFOCUS, self->OnKillFocus(CWnd::FromHandle(qx::fw::WndParam(qxMsg.wParam))))
#define ON_WM_ENABLE() QX_MESSAGE_ENTRY(WM_ENABLE, self->OnEnable(static_cast<BOOL>(qxMsg.wParam)))
#define ON_WM_PAINT() QX_MESSAGE_ENTRY(WM_PAINT, self->OnPaint())
#define ON_WM_CLOSE() QX_MESSAGE_ENTRY(WM_CLOSE, self->OnClose())
#define ON_WM_ERASEBKGND()                                          \
    QX_MESSAGE_ENTRY(WM_ERASEBKGND, CDC qxDc(qx::fw::DcParam(qxMsg.wParam)); \
                     qxMsg.result = self->OnEraseBkgnd(&qxDc))
#define ON_WM_SHOWWINDOW() \
    QX_MESSAGE_ENTRY(WM_SHOWWINDOW, self->OnShowWindow(static_cast<BOOL>(qxMsg.wParam), static_cast<UINT>(qxMsg.lParam)))
// Stands for all the WM_CTLCOLOR* messages; nCtlColor says which (CTLCOLOR_EDIT ...).
#define ON_WM_CTLCOLOR()                                                                          \
    QX_MESSAGE_ENTRY(WM_CTLCOLOR, CDC qxDc(qx::fw::DcParam(qxMsg.wParam));                        \
                     qxMsg.result = qx::fw::ResultOf(self->OnCtlColor(                            \
                         &qxDc, CWnd::FromHandle(qx::fw::WndParam(qxMsg.lParam)),                 \
                         qx::fw::CtlColorType(qxMsg.message))))
#define ON_WM_GETMINMAXINFO() \
    QX_MESSAGE_ENTRY(WM_GETMINMAXINFO, self->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(qxMsg.lParam)))
#define ON_WM_DRAWITEM()                                                    \
    QX_MESSAGE_ENTRY(WM_DRAWITEM, self->OnDrawItem(static_cast<int>(qxMsg.wParam), \
                                                   reinterpret_cast<LPDRAWITEMSTRUCT>(qxMsg.lParam)); \
                     qxMsg.result = TRUE)
#define ON_WM_QUERYDRAGICON() \
    QX_MESSAGE_ENTRY(WM_QUERYDRAGICON, qxMsg.result = qx::fw::ResultOf(self->OnQueryDragIcon()))
#define ON_WM_WINDOWPOSCHANGING() \
    QX_MESSAGE_ENTRY(WM_WINDOWPOSCHANGING, self->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(qxMsg.lParam)))
#define ON_WM_WINDOWPOSCHANGED() \
    QX_MESSAGE_ENTRY(WM_WINDOWPOSCHANGED, self->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(qxMsg.lParam)))
#define ON_WM_NCHITTEST() QX_MESSAGE_ENTRY(WM_NCHITTEST, qxMsg.result = self->OnNcHitTest(CPoint(qxMsg.lParam)))
#define ON_WM_GETDLGCODE() QX_MESSAGE_ENTRY(WM_GETDLGCODE, qxMsg.result = self->OnGetDlgCode())
#define ON_WM_SETCURSOR()                                                                         \
    QX_MESSAGE_ENTRY(WM_SETCURSOR, qxMsg.result = self->OnSetCursor(                              \
                                       CWnd::FromHandle(qx::fw::WndParam(qxMsg.wParam)),          \
                                       LOWORD(qxMsg.lParam), HIWORD(qxMsg.lParam)))
#define QX_KEY_ENTRY(msg, fn) \
    QX_MESSAGE_ENTRY(msg, self->fn(static_cast<UINT>(qxMsg.wParam), LOWORD(qxMsg.lParam), HIWORD(qxMsg.lParam)))
#define ON_WM_KEYDOWN() QX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() QX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() QX_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_SYSCOMMAND() \
    QX_MESSAGE_ENTRY(WM_SYSCOMMAND, self->OnSysCommand(static_cast<UINT>(qxMsg.wParam), qxMsg.lParam))
#define ON_WM_TIMER() QX_MESSAGE_ENTRY(WM_TIMER, self->OnTimer(static_cast<UINT_PTR>(qxMsg.wParam)))
#define QX_MOUSE_ENTRY(msg, fn) QX_MESSAGE_ENTRY(msg, self->fn(static_cast<UINT>(qxMsg.wParam), CPoint(qxMsg.lParam)))
#define ON_WM_MOUSEMOVE() QX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() QX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() QX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() QX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() QX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() QX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MOUSEHOVER() QX_MOUSE_ENTRY(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_MOUSELEAVE() QX_MESSAGE_ENTRY(WM_MOUSELEAVE, self->OnMouseLeave())
#define ON_WM_MOUSEWHEEL()                                                                          \
    QX_MESSAGE_ENTRY(WM_MOUSEWHEEL, qxMsg.result = self->OnMouseWheel(LOWORD(qxMsg.wParam),          \
                                                                      static_cast<short>(HIWORD(qxMsg.wParam)), \
                                                                      CPoint(qxMsg.lParam)))
#define ON_WM_CAPTURECHANGED() \
    QX_MESSAGE_ENTRY(WM_CAPTURECHANGED, self->OnCaptureChanged(CWnd::FromHandle(qx::fw::WndParam(qxMsg.lParam))))
#define ON_WM_CONTEXTMENU() \
    QX_MESSAGE_ENTRY(WM_CONTEXTMENU, self->OnContextMenu(CWnd::FromHandle(qx::fw::WndParam(qxMsg.wParam)), CPoint(qxMsg.lParam)))
#define ON_WM_HOTKEY()                                                                           \
    QX_MESSAGE_ENTRY(WM_HOTKEY, self->OnHotKey(static_cast<UINT>(qxMsg.wParam), LOWORD(qxMsg.lParam), \
                                               HIWORD(qxMsg.lParam)))

// Any message by number, raw: LRESULT fn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    QX_MESSAGE_ENTRY(message, qxMsg.result = (self->*(memberFxn))(qxMsg.wParam, qxMsg.lParam))

// Commands (WM_COMMAND) ------------------------------------------------------------------------------
// ON_COMMAND matches notification code 0, which menus and BN_CLICKED both use.

#define ON_COMMAND(id, memberFxn) \
    QX_COMMAND_ENTRY(WM_COMMAND, 0, id, id, QX_THUNK((self->*(memberFxn))()))
#define ON_COMMAND_EX(id, memberFxn) \
    QX_COMMAND_ENTRY(WM_COMMAND, 0, id, id, QX_THUNK_EX(return (self->*(memberFxn))(LOWORD(qxMsg.wParam))))
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    QX_COMMAND_ENTRY(WM_COMMAND, 0, id, idLast, QX_THUNK((self->*(memberFxn))(LOWORD(qxMsg.wParam))))
#define ON_CONTROL(code, id, memberFxn) \
    QX_COMMAND_ENTRY(WM_COMMAND, code, id, id, QX_THUNK((self->*(memberFxn))()))
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn) \
    QX_COMMAND_ENTRY(WM_COMMAND, code, id, idLast, QX_THUNK((self->*(memberFxn))(LOWORD(qxMsg.wParam))))
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)

// Notifications (WM_NOTIFY) ---------------------------------------------------------------------------

#define QX_NMHDR reinterpret_cast<NMHDR*>(qxMsg.lParam)
#define ON_NOTIFY(code, id, memberFxn) \
    QX_NOTIFY_ENTRY(WM_NOTIFY, code, code, id, id, QX_THUNK((self->*(memberFxn))(QX_NMHDR, &qxMsg.result)))
#define ON_NOTIFY_RANGE(code, id, idLast, memberFxn)                                         \
    QX_NOTIFY_ENTRY(WM_NOTIFY, code, code, id, idLast,                                       \
                    QX_THUNK((self->*(memberFxn))(static_cast<UINT>(QX_NMHDR->idFrom), QX_NMHDR, &qxMsg.result)))
#define ON_NOTIFY_EX(code, id, memberFxn)                                                    \
    QX_NOTIFY_ENTRY(WM_NOTIFY, code, code, id, id,                                           \
                    QX_THUNK_EX(return (self->*(memberFxn))(static_cast<UINT>(QX_NMHDR->idFrom), QX_NMHDR, &qxMsg.result)))
// One handler for the codes code..codeLast of one control.
#define ON_NOTIFY_CODE_RANGE(code, codeLast, id, memberFxn) \
    QX_NOTIFY_ENTRY(WM_NOTIFY, code, codeLast, id, id, QX_THUNK((self->*(memberFxn))(QX_NMHDR, &qxMsg.result)))

// Reflected to the control that sent them -------------------------------------------------------------

#define ON_CONTROL_REFLECT(code, memberFxn) \
    QX_COMMAND_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0xFFFF, QX_THUNK((self->*(memberFxn))()))
#define ON_CONTROL_REFLECT_EX(code, memberFxn) \
    QX_COMMAND_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0xFFFF, QX_THUNK_EX(return (self->*(memberFxn))()))
#define ON_NOTIFY_REFLECT(code, memberFxn)                                               \
    QX_NOTIFY_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, code, 0, 0xFFFFFFFF,               \
                    QX_THUNK((self->*(memberFxn))(QX_NMHDR, &qxMsg.result)))
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                            \
    QX_NOTIFY_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, code, 0, 0xFFFFFFFF,               \
                    QX_THUNK_EX(return (self->*(memberFxn))(QX_NMHDR, &qxMsg.result)))
// HBRUSH CtlColor(CDC*, UINT nCtlColor); a null brush leaves the colours to the parent.
#define ON_WM_CTLCOLOR_REFLECT()                                                               \
    {WM_REFLECT_BASE + WM_CTLCOLOR, qx::fw::EntryKind::Message, 0, 0, 0, 0,                    \
     QX_THUNK_EX(CDC qxDc(qx::fw::DcParam(qxMsg.wParam));                                      \
                 HBRUSH qxBrush = self->CtlColor(&qxDc, qx::fw::CtlColorType(qxMsg.message));  \
                 qxMsg.result = qx::fw::ResultOf(qxBrush); return qxBrush != nullptr)},
#define ON_WM_DRAWITEM_REFLECT()                                                                  \
    QX_MESSAGE_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, self->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(qxMsg.lParam)); \
                     qxMsg.result = TRUE)
