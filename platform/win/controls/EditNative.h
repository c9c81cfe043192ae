#pragma once
// Edit boxes over the backend's native entries. Where the backend offers entries, the desktop's
// own text box stands over the edit: it takes the typing and draws the text, and the edit keeps
// its model in step both ways. The edit still asks its parent for colours and fills its
// background with the parent's brush, so composition and hit testing see it as before; the
// entry draws no background where that brush is the window's colour key.

#include "platform/win/controls/EditState.h"

namespace qx::win {

// At creation: gives the edit an entry when the backend has them.
void AttachNativeEntry(HWND hwnd, EditState& s);
void DetachNativeEntry(HWND hwnd, EditState& s);

// The program changed the text or selection: the entry shows it.
void PushEntryText(HWND hwnd, const EditState& s);
void PushEntrySelection(HWND hwnd, const EditState& s);
void PushEntryFocus(HWND hwnd, const EditState& s);
// The key's WM_KEYDOWN reached the edit: the entry handles the press.
void DeliverEntryKey(HWND hwnd, UINT key);
// After the colours were asked for at a paint: the entry takes them (and the font).
void PushEntryLook(HWND hwnd, EditState& s, HDC dc, HBRUSH brush);
// WM_QX_ENTRYCHANGED: the user changed the entry; returns whether the text changed.
bool TakeEntryChange(EditState& s, LPARAM change);

}  // namespace qx::win
