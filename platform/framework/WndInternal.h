#pragma once
// What the framework's own files share about windows and their objects; not for the system's code.

#include "platform/framework/Wnd.h"

namespace qx::fw {

struct WndAccess {
    static void MarkTemporary(CWnd& w) { w.m_bTemporary = true; }
    static bool IsTemporary(const CWnd& w) { return w.m_bTemporary; }
    // The window is dead or dying: let go of everything bound to it and unbind the object.
    static void ReleaseWindowState(CWnd& w);
    // The object is going away while its window may live: hand the window back to its own
    // procedure, unbind, and destroy it.
    static void DestroyUnbound(CWnd& w);
    // After WM_NCDESTROY of a window whose object is still bound.
    static void FinishNcDestroy(CWnd& w);
    static BOOL DispatchCommandEntries(CWnd& w, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    static BOOL DispatchNotifyEntries(CWnd& w, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    static BOOL DispatchMessageEntries(CWnd& w, UINT lookup, UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT* pResult);
};

// The procedure of every window the framework creates or takes over.
LRESULT AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The class of CWnd::Create with no class name, and of dialogs.
inline constexpr const char16_t* kWndClassName = u"QXWnd";
inline constexpr const char16_t* kDialogClassName = u"QXDialog";
// Registers the framework's window classes and the standard controls when they are missing.
void EnsureWindowClasses();

// Called when an object gets its window: installs the pre-translation walk and tells the window
// system about the application's main window.
void OnWindowBound(CWnd& w);
// Keeps the window system's main window in step with CWinApp::m_pMainWnd.
void SyncMainWindow();
// The pre-translation walk the window system's loops call.
bool PreTranslateWalk(MSG& msg, HWND top);
// How many handlers (window procedures, pre-translation filters) are running now. Stand-in
// objects of dead windows are deleted only when none is: no handler can hold one then.
int& HandlerDepth();
struct HandlerScope {
    HandlerScope() { ++HandlerDepth(); }
    ~HandlerScope() { --HandlerDepth(); }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

}  // namespace qx::fw
