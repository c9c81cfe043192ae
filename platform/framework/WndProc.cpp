// The window procedure of framework windows and the dispatch through the message tables.

#include "platform/framework/ControlHosting.h"
#include "platform/framework/Exception.h"
#include "platform/framework/OccManager.h"
#include "platform/framework/Wnd.h"
#include "platform/framework/WndInternal.h"
#include "platform/framework/WndMap.h"

namespace qx::fw {
namespace {

// The message being handled, for Default(); nested sends save and restore it.
struct CurrentMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
CurrentMessage g_current;

class CurrentMessageScope {
public:
    CurrentMessageScope(UINT message, WPARAM wParam, LPARAM lParam) : m_saved(g_current) {
        g_current = {message, wParam, lParam};
    }
    ~CurrentMessageScope() { g_current = m_saved; }

private:
    CurrentMessage m_saved;
};

LRESULT CallWndProc(CWnd* pWnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CurrentMessageScope scope(message, wParam, lParam);
    HandlerScope running;
    try {
        return pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
        if (message == WM_CREATE) return -1;
        if (message == WM_PAINT) ::ValidateRect(hwnd, nullptr);
        return 0;
    }
}

// Calls each matching entry, the class's own table first, until one takes the message. The
// thunk may destroy the object: once one has taken the message nothing of it is touched again.
template <typename Match>
BOOL DispatchEntries(CWnd& w, const MsgCall& call, Match match, LRESULT* pResult) {
    for (const AFX_MSGMAP* map = w.GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (!match(*e)) continue;
            MsgCall c = call;
            if (e->pfn(&w, c)) {
                *pResult = c.result;
                return TRUE;
            }
        }
    }
    return FALSE;
}

}  // namespace

LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = FindPermanent(hwnd);
    if (!pWnd && (message == WM_GETMINMAXINFO || message == WM_NCCREATE)) {
        if ((pWnd = TakePendingCreate())) {
            AddPermanent(hwnd, pWnd);
            pWnd->m_hWnd = hwnd;
            OnWindowBound(*pWnd);
            pWnd->PreSubclassWindow();
        }
    }
    if (!pWnd) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = CallWndProc(pWnd, hwnd, message, wParam, lParam);
    // Looked up again: an object deleted meanwhile has removed itself from the table.
    if (message == WM_DESTROY) {
        // The hosted controls still live now (children go after their parent's WM_DESTROY):
        // they are told to stop firing into this window.
        if (CWnd* still = FindPermanent(hwnd); still && still->GetControlContainer()) {
            still->GetControlContainer()->DetachAll();
        }
    }
    if (message == WM_NCDESTROY) {
        if (CWnd* still = FindPermanent(hwnd)) WndAccess::FinishNcDestroy(*still);
    }
    return result;
}

BOOL WndAccess::DispatchMessageEntries(CWnd& w, UINT lookup, UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT* pResult) {
    return DispatchEntries(w, {message, wParam, lParam},
                           [lookup](const AFX_MSGMAP_ENTRY& e) {
                               return e.nKind == EntryKind::Message && e.nMessage == lookup;
                           },
                           pResult);
}

BOOL WndAccess::DispatchCommandEntries(CWnd& w, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const UINT nID = LOWORD(wParam);
    const UINT nCode = HIWORD(wParam);
    return DispatchEntries(w, {WM_COMMAND, wParam, lParam},
                           [=](const AFX_MSGMAP_ENTRY& e) {
                               return e.nKind == EntryKind::Command && e.nMessage == message && e.nCode == nCode &&
                                      nID >= e.nID && nID <= e.nLastID;
                           },
                           pResult);
}

BOOL WndAccess::DispatchNotifyEntries(CWnd& w, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!hdr) return FALSE;
    const UINT nCode = hdr->code;
    const auto nID = static_cast<UINT>(hdr->idFrom);
    return DispatchEntries(w, {WM_NOTIFY, wParam, lParam},
                           [=](const AFX_MSGMAP_ENTRY& e) {
                               return e.nKind == EntryKind::Notify && e.nMessage == message && nCode >= e.nCode &&
                                      nCode <= e.nLastCode && nID >= e.nID && nID <= e.nLastID;
                           },
                           pResult);
}

}  // namespace qx::fw

using qx::fw::WndAccess;

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
    case WM_COMMAND:
        if (!OnCommand(wParam, lParam)) return FALSE;
        *pResult = 1;
        return TRUE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(wParam, lParam, &result)) return FALSE;
        *pResult = result;
        return TRUE;
    }
    case WM_QX_GETCONTROLEXTERNAL: {
        COleControlSite* site = m_pCtrlCont ? m_pCtrlCont->FindSite(reinterpret_cast<HWND>(wParam)) : nullptr;
        auto* out = reinterpret_cast<IDispatch**>(lParam);
        if (!site || !out) return FALSE;
        *out = site->GetExternal();
        *pResult = *out ? TRUE : FALSE;
        return TRUE;
    }
    default:
        break;
    }
    // The WM_CTLCOLOR* messages share one table entry.
    const UINT lookup = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC ? WM_CTLCOLOR : message;
    return WndAccess::DispatchMessageEntries(*this, lookup, message, wParam, lParam, pResult);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(qx::fw::g_current.message, qx::fw::g_current.wParam, qx::fw::g_current.lParam);
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode) {
    LRESULT ignored = 0;
    return WndAccess::DispatchCommandEntries(*this, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nID), static_cast<WORD>(nCode)),
                                             0, &ignored);
}

HRESULT CWnd::OnEvent(UINT nCtlID, DISPID dispid, DISPPARAMS* pParams) {
    for (const AFX_EVENTSINKMAP* map = GetEventSinkMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_EVENTSINKMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (e->nCtlID == nCtlID && e->dispid == dispid) return e->pfn(this, pParams, e->vts);
        }
    }
    return DISP_E_MEMBERNOTFOUND;
}

// The root tables. CWnd's own entries give every window the reflection of control drawing and
// colours to the controls.

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    using ThisClass = CWnd;
    static const AFX_MSGMAP_ENTRY entries[] = {
        ON_WM_DRAWITEM()
        ON_WM_CTLCOLOR()
        {0, qx::fw::EntryKind::Message, 0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_EVENTSINKMAP* CWnd::GetEventSinkMap() const { return GetThisEventSinkMap(); }

const AFX_EVENTSINKMAP* CWnd::GetThisEventSinkMap() {
    static const AFX_EVENTSINKMAP_ENTRY entries[] = {{0, 0, nullptr, nullptr}};
    static const AFX_EVENTSINKMAP map = {nullptr, entries};
    return &map;
}
