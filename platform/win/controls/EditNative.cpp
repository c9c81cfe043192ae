#include "platform/win/controls/EditNative.h"

#include "platform/win/NativeEntryMessages.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/controls/ControlPainting.h"

#include <cstdlib>

namespace qx::win {

namespace {

backend::Backend* EntryBackend(const EditState& s) { return s.native ? &TheBackend() : nullptr; }

// Whether brush paints the colour key of the edit's top-level window: those pixels are
// transparent, so the entry must not cover them.
bool IsKeyColor(HWND hwnd, HBRUSH brush) {
    LOGBRUSH record;
    if (!brush || ::GetObjectW(brush, sizeof record, &record) != sizeof record) return false;
    COLORREF key = 0;
    DWORD flags = 0;
    HWND root = ::GetAncestor(hwnd, GA_ROOT);
    return ::GetLayeredWindowAttributes(root, &key, nullptr, &flags) && (flags & LWA_COLORKEY) && record.lbColor == key;
}

}  // namespace

void AttachNativeEntry(HWND hwnd, EditState& s) {
    backend::Backend& backend = TheBackend();
    if (!backend.SupportsNativeChild(backend::NativeChildKind::Entry)) return;
    s.native = true;
    backend.CreateNativeChild(hwnd, backend::NativeChildKind::Entry);
    PushEntryText(hwnd, s);
}

void DetachNativeEntry(HWND hwnd, EditState& s) {
    if (backend::Backend* backend = EntryBackend(s)) backend->DestroyNativeChild(hwnd);
    s.native = false;
}

void PushEntryText(HWND hwnd, const EditState& s) {
    backend::Backend* backend = EntryBackend(s);
    if (!backend) return;
    backend->SetEntryText(hwnd, s.model.Text());
    PushEntrySelection(hwnd, s);
}

void PushEntrySelection(HWND hwnd, const EditState& s) {
    backend::Backend* backend = EntryBackend(s);
    if (!backend) return;
    // The caret end of the selection goes last, where the entry puts its cursor.
    const int start = static_cast<int>(s.model.SelStart());
    const int end = static_cast<int>(s.model.SelEnd());
    const bool caretAtStart = s.model.Caret() == s.model.SelStart() && start != end;
    backend->SetEntrySelection(hwnd, caretAtStart ? end : start, caretAtStart ? start : end);
}

void PushEntryFocus(HWND hwnd, const EditState& s) {
    if (backend::Backend* backend = EntryBackend(s)) backend->SetEntryFocus(hwnd, s.focused);
}

void DeliverEntryKey(HWND hwnd, UINT key) { TheBackend().DeliverEntryKey(hwnd, key); }

void PushEntryLook(HWND hwnd, EditState& s, HDC dc, HBRUSH brush) {
    backend::Backend* backend = EntryBackend(s);
    if (!backend) return;
    backend::EntryLook look;
    look.text = ::GetTextColor(dc);
    LOGBRUSH record;
    look.background = brush && ::GetObjectW(brush, sizeof record, &record) == sizeof record ? record.lbColor : ::GetBkColor(dc);
    look.transparentBackground = IsKeyColor(hwnd, brush);
    LOGFONTW font;
    if (s.font && ::GetObjectW(ControlFont(s.font), sizeof font, &font) == sizeof font) {
        look.fontFace = font.lfFaceName;
        look.fontPixelHeight = std::abs(static_cast<int>(font.lfHeight));
        look.bold = font.lfWeight >= FW_BOLD;
    }
    look.readOnly = (EditStyle(hwnd) & ES_READONLY) != 0;
    // A transparent edit (a caption text) lets presses through to what lies below, as the
    // window system's hit testing does.
    look.mouseThrough = (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
    if (s.lookSent && look == s.look) return;
    s.look = look;
    s.lookSent = true;
    backend->SetEntryLook(hwnd, look);
}

bool TakeEntryChange(EditState& s, LPARAM change) {
    const auto* entry = reinterpret_cast<const NativeEntryChange*>(change);
    if (!entry) return false;
    const bool textChanged = entry->text != s.model.Text();
    if (textChanged) s.model.SetText(entry->text);
    s.model.SetSel(entry->start, entry->end);
    return textChanged;
}

}  // namespace qx::win
