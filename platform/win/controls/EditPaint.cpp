// Painting an edit box in the colours its parent gives.

#include "platform/win/controls/ControlPainting.h"
#include "platform/win/controls/EditNative.h"
#include "platform/win/controls/EditState.h"

#include <algorithm>

namespace qx::win {
namespace {

void DrawRun(HDC dc, int x, int y, const std::u16string& text, std::size_t from, std::size_t to) {
    if (to > from) ::TextOutW(dc, x, y, text.data() + from, static_cast<int>(to - from));
}

}  // namespace

void PaintEdit(HWND hwnd, EditState& s) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    const DWORD style = EditStyle(hwnd);
    const bool enabled = ::IsWindowEnabled(hwnd) != FALSE;
    // Read-only and disabled edits ask as statics do.
    const bool asStatic = !enabled || (style & ES_READONLY);
    HBRUSH brush = AskParentForColors(hwnd, dc, asStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                      enabled ? kWindowTextColor : kGrayTextColor, asStatic ? kFaceColor : kWindowColor);
    // The parent may have destroyed the edit while choosing colours.
    EditState* alive = Edits().Find(hwnd);
    if (alive && s.native) {
        // The native entry draws the text over this background.
        ::FillRect(dc, &rc, brush);
        PushEntryLook(hwnd, s, dc, brush);
    } else if (alive) {
        ::FillRect(dc, &rc, brush);
        const std::u16string& text = s.model.Text();
        const TextLayout layout = MeasureOn(dc, s.font, text);
        HGDIOBJ oldFont = ::SelectObject(dc, ControlFont(s.font));
        const int x0 = kEditMargin - s.scrollX;
        const int y = std::max(0, (static_cast<int>(rc.bottom - rc.top) - layout.height) / 2);
        const bool showSelection = s.model.HasSelection() && (s.focused || (style & ES_NOHIDESEL));
        if (!showSelection) {
            DrawRun(dc, x0, y, text, 0, text.size());
        } else {
            const std::size_t a = s.model.SelStart();
            const std::size_t b = s.model.SelEnd();
            DrawRun(dc, x0, y, text, 0, a);
            DrawRun(dc, x0 + layout.XOf(b), y, text, b, text.size());
            const COLORREF text0 = ::SetTextColor(dc, kHighlightTextColor);
            const COLORREF back0 = ::SetBkColor(dc, kHighlightColor);
            const int mode0 = ::SetBkMode(dc, OPAQUE);
            DrawRun(dc, x0 + layout.XOf(a), y, text, a, b);
            ::SetTextColor(dc, text0);
            ::SetBkColor(dc, back0);
            ::SetBkMode(dc, mode0);
        }
        if (s.focused) {
            const int cx = x0 + layout.XOf(s.model.Caret());
            FillSolid(dc, RECT{cx, y, cx + 1, y + layout.height}, ::GetTextColor(dc));
        }
        ::SelectObject(dc, oldFont);
    }
    ::EndPaint(hwnd, &ps);
}

}  // namespace qx::win
