#pragma once
// The table from window handles to the objects bound to them, the stand-in objects for windows
// without one, and the objects whose windows are being created right now.

#include "platform/base/WinTypes.h"

class CWnd;

namespace qx::fw {

CWnd* FindPermanent(HWND hwnd);
void AddPermanent(HWND hwnd, CWnd* pWnd);
// Removes hwnd's entry if it is pWnd's.
void RemovePermanent(HWND hwnd, const CWnd* pWnd);

// The stand-in object for a window that has no object of its own.
CWnd* TemporaryFor(HWND hwnd);
// Deletes stand-ins of windows that are gone. Only safe where no handler can hold one: between
// messages, with no handler running.
void DeleteDeadTemporaries();

// CreateEx and the dialog creation push the object whose window is being created; the window
// procedure binds it to the new window on that window's first message.
void PushPendingCreate(CWnd* pWnd);
void PopPendingCreate(CWnd* pWnd);
CWnd* TakePendingCreate();

}  // namespace qx::fw
