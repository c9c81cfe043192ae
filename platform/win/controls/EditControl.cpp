// The "Edit" class: a single-line edit box. It keeps its text and selection in an EditModel,
// takes typing and the editing keys, asks its parent for colours with WM_CTLCOLOREDIT on every
// paint, and tells the parent of every change with EN_CHANGE. Enter and Escape are not text:
// they are left to the dialog's key handling.

#include "platform/win/WinApi.h"
#include "platform/win/NativeEntryMessages.h"
#include "platform/win/controls/ControlPainting.h"
#include "platform/win/controls/EditNative.h"
#include "platform/win/controls/EditState.h"
#include "platform/win/controls/StandardControls.h"

#include <algorithm>

namespace qx::win {
namespace {

// After the text changed: the window record keeps the same text, the caret stays in view, and
// the parent hears of it. The parent may destroy the edit in its handler.
void TextChanged(HWND hwnd, EditState& s, bool byUser) {
    if (byUser) s.modified = true;
    EnsureCaretVisible(hwnd, s);
    ::DefWindowProcW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.model.Text().c_str()));
    ::InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_CHANGE);
}

void SelectionChanged(HWND hwnd, EditState& s) {
    EnsureCaretVisible(hwnd, s);
    ::InvalidateRect(hwnd, nullptr, TRUE);
}

// Typing: without ES_AUTOHSCROLL the text may not grow beyond the box.
void Type(HWND hwnd, EditState& s, std::u16string_view text) {
    EditModel trial = s.model;
    bool truncated = false;
    if (!trial.ReplaceSel(text, &truncated)) {
        if (truncated) NotifyParent(hwnd, EN_MAXTEXT);
        return;
    }
    if (!(EditStyle(hwnd) & ES_AUTOHSCROLL)) {
        EditState probe;
        probe.model = trial;
        probe.font = s.font;
        if (Measure(hwnd, probe).Width() > VisibleWidth(hwnd)) {
            NotifyParent(hwnd, EN_MAXTEXT);
            return;
        }
    }
    s.model = trial;
    TextChanged(hwnd, s, true);
    if (truncated && Edits().Find(hwnd)) NotifyParent(hwnd, EN_MAXTEXT);
}

void OnChar(HWND hwnd, EditState& s, char16_t ch) {
    const DWORD style = EditStyle(hwnd);
    const bool readOnly = (style & ES_READONLY) != 0;
    if (ch == VK_BACK) {
        if (!readOnly && s.model.Backspace()) TextChanged(hwnd, s, true);
        return;
    }
    if (ch == 0x01) {  // Ctrl+A
        s.model.SelectAll();
        SelectionChanged(hwnd, s);
        return;
    }
    // Enter, Escape, Tab and the other control characters are not text.
    if (ch < 0x20 || ch == 0x7F || readOnly) return;
    if ((style & ES_NUMBER) && (ch < u'0' || ch > u'9')) return;
    if ((style & ES_UPPERCASE) && ch >= u'a' && ch <= u'z') ch = static_cast<char16_t>(ch - u'a' + u'A');
    if ((style & ES_LOWERCASE) && ch >= u'A' && ch <= u'Z') ch = static_cast<char16_t>(ch - u'A' + u'a');
    Type(hwnd, s, std::u16string_view(&ch, 1));
}

bool OnKeyDown(HWND hwnd, EditState& s, UINT key) {
    switch (key) {
    case VK_SHIFT:
        s.shiftDown = true;
        return true;
    case VK_LEFT:
        s.model.Move(EditModel::Motion::Left, s.shiftDown);
        break;
    case VK_RIGHT:
        s.model.Move(EditModel::Motion::Right, s.shiftDown);
        break;
    case VK_HOME:
        s.model.Move(EditModel::Motion::Home, s.shiftDown);
        break;
    case VK_END:
        s.model.Move(EditModel::Motion::End, s.shiftDown);
        break;
    case VK_DELETE:
        if (!(EditStyle(hwnd) & ES_READONLY) && s.model.DeleteForward()) TextChanged(hwnd, s, true);
        return true;
    default:
        return false;
    }
    SelectionChanged(hwnd, s);
    return true;
}

std::size_t HitTest(HWND hwnd, const EditState& s, LPARAM lParam) {
    return Measure(hwnd, s).Hit(GET_X_LPARAM(lParam) - kEditMargin + s.scrollX);
}

void SelectWordAt(EditState& s, std::size_t position) {
    const std::u16string& text = s.model.Text();
    auto isSpace = [](char16_t c) { return c == u' ' || c == u'\t'; };
    std::size_t start = std::min(position, text.size());
    std::size_t end = start;
    while (start > 0 && !isSpace(text[start - 1])) --start;
    while (end < text.size() && !isSpace(text[end])) ++end;
    s.model.SetSel(static_cast<long long>(start), static_cast<long long>(end));
}

LRESULT OnEditMessage(HWND hwnd, EditState& s, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case EM_GETSEL: {
        const auto start = static_cast<DWORD>(s.model.SelStart());
        const auto end = static_cast<DWORD>(s.model.SelEnd());
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = start;
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = end;
        return start > 0xFFFF || end > 0xFFFF ? -1 : MAKELONG(static_cast<WORD>(start), static_cast<WORD>(end));
    }
    case EM_SETSEL:
        s.model.SetSel(static_cast<int>(static_cast<DWORD>(wParam)), static_cast<int>(static_cast<DWORD>(lParam)));
        PushEntrySelection(hwnd, s);
        SelectionChanged(hwnd, s);
        return 0;
    case EM_REPLACESEL: {
        const auto* text = reinterpret_cast<LPCWSTR>(lParam);
        bool truncated = false;
        if (s.model.ReplaceSel(text ? std::u16string_view(text) : std::u16string_view(), &truncated)) {
            PushEntryText(hwnd, s);
            TextChanged(hwnd, s, true);
        }
        if (truncated && Edits().Find(hwnd)) NotifyParent(hwnd, EN_MAXTEXT);
        return 0;
    }
    case EM_SCROLLCARET:
        SelectionChanged(hwnd, s);
        return TRUE;
    case EM_LIMITTEXT:
        s.model.SetLimit(static_cast<std::size_t>(wParam));
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(s.model.Limit());
    case EM_GETMODIFY:
        return s.modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        s.modified = wParam != 0;
        return 0;
    case EM_SETREADONLY: {
        const DWORD style = EditStyle(hwnd);
        ::SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(wParam ? style | ES_READONLY : style & ~ES_READONLY));
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    case EM_GETLINECOUNT:
        return 1;
    case EM_CANUNDO:
    case EM_UNDO:
        return 0;
    default:
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

LRESULT EditWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        EditState& created = Edits().Create(hwnd);
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if (cs && cs->lpszName) created.model.SetText(cs->lpszName);
    }
    EditState* s = Edits().Find(hwnd);
    if (s && message == WM_NCDESTROY) DetachNativeEntry(hwnd, *s);
    if (!s || message == WM_NCDESTROY) {
        Edits().Erase(hwnd);
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message >= EM_GETSEL && message <= EM_GETLIMITTEXT) return OnEditMessage(hwnd, *s, message, wParam, lParam);
    switch (message) {
    case WM_CREATE:
        AttachNativeEntry(hwnd, *s);
        break;
    case WM_QX_ENTRYCHANGED:
        // The user typed into the native entry: the model follows it.
        if (TakeEntryChange(*s, lParam)) TextChanged(hwnd, *s, true);
        else SelectionChanged(hwnd, *s);
        return 0;
    case WM_SETTEXT: {
        const auto* text = reinterpret_cast<LPCWSTR>(lParam);
        s->model.SetText(text ? std::u16string_view(text) : std::u16string_view());
        s->modified = false;
        s->scrollX = 0;
        PushEntryText(hwnd, *s);
        TextChanged(hwnd, *s, false);
        return TRUE;
    }
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        if (!buffer || wParam == 0) return 0;
        const std::u16string& text = s->model.Text();
        const std::size_t n = std::min<std::size_t>(text.size(), wParam - 1);
        std::copy_n(text.data(), n, buffer);
        buffer[n] = 0;
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(s->model.Text().size());
    case WM_CHAR:
        // A native entry typed the character itself when its key was delivered.
        if (!s->native) OnChar(hwnd, *s, static_cast<char16_t>(wParam));
        return 0;
    case WM_KEYDOWN:
        if (s->native) {
            DeliverEntryKey(hwnd, static_cast<UINT>(wParam));
            return 0;
        }
        if (OnKeyDown(hwnd, *s, static_cast<UINT>(wParam))) return 0;
        break;
    case WM_KEYUP:
        if (wParam == VK_SHIFT) s->shiftDown = false;
        break;
    case WM_CLEAR:
        if (!(EditStyle(hwnd) & ES_READONLY) && s->model.ReplaceSel({})) {
            PushEntryText(hwnd, *s);
            TextChanged(hwnd, *s, true);
        }
        return 0;
    case WM_LBUTTONDOWN: {
        if (::GetFocus() != hwnd) ::SetFocus(hwnd);
        s = Edits().Find(hwnd);  // the focus change may have destroyed the edit
        if (!s) return 0;
        s->model.SetCaret(HitTest(hwnd, *s, lParam), s->shiftDown);
        s->dragging = true;
        ::SetCapture(hwnd);
        SelectionChanged(hwnd, *s);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (s->dragging) {
            s->model.SetCaret(HitTest(hwnd, *s, lParam), true);
            SelectionChanged(hwnd, *s);
        }
        return 0;
    case WM_LBUTTONUP:
        if (s->dragging) {
            s->dragging = false;
            if (::GetCapture() == hwnd) ::ReleaseCapture();
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        SelectWordAt(*s, HitTest(hwnd, *s, lParam));
        SelectionChanged(hwnd, *s);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd) s->dragging = false;
        return 0;
    case WM_SETFOCUS:
        s->focused = true;
        PushEntryFocus(hwnd, *s);
        SelectionChanged(hwnd, *s);
        NotifyParent(hwnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        s->focused = false;
        PushEntryFocus(hwnd, *s);
        s->dragging = false;
        s->shiftDown = false;
        ::InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(hwnd, EN_KILLFOCUS);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS |
               ((EditStyle(hwnd) & ES_MULTILINE) ? DLGC_WANTALLKEYS : 0);
    case WM_SETFONT:
        s->font = reinterpret_cast<HFONT>(wParam);
        EnsureCaretVisible(hwnd, *s);
        if (lParam) ::InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->font);
    case WM_SIZE:
        EnsureCaretVisible(hwnd, *s);
        break;
    case WM_ENABLE:
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;  // the paint fills the background with the parent's brush
    case WM_PAINT:
        PaintEdit(hwnd, *s);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace qx::win
