// Measuring an edit box's text and keeping its caret in view.

#include "platform/win/controls/ControlPainting.h"
#include "platform/win/controls/EditState.h"

#include <algorithm>

namespace qx::win {

ControlStateTable<EditState>& Edits() {
    static ControlStateTable<EditState> table;
    return table;
}

std::size_t TextLayout::Hit(int x) const {
    std::size_t best = 0;
    for (std::size_t i = 1; i <= ends.size(); ++i) {
        if (x >= (XOf(i - 1) + XOf(i) + 1) / 2) best = i;
    }
    return best;
}

TextLayout MeasureOn(HDC dc, HFONT font, const std::u16string& text) {
    TextLayout layout;
    HGDIOBJ old = ::SelectObject(dc, ControlFont(font));
    TEXTMETRICW tm;
    if (::GetTextMetricsW(dc, &tm)) layout.height = tm.tmHeight;
    if (!text.empty()) {
        layout.ends.assign(text.size(), 0);
        SIZE size;
        if (!::GetTextExtentExPointW(dc, text.data(), static_cast<int>(text.size()), 0, nullptr, layout.ends.data(),
                                     &size)) {
            for (std::size_t i = 0; i < text.size(); ++i) layout.ends[i] = static_cast<int>(i + 1) * 7;
        }
    }
    ::SelectObject(dc, old);
    return layout;
}

TextLayout Measure(HWND hwnd, const EditState& s) {
    HDC dc = ::GetDC(hwnd);
    if (!dc) {
        TextLayout layout;
        layout.ends.resize(s.model.Text().size());
        for (std::size_t i = 0; i < layout.ends.size(); ++i) layout.ends[i] = static_cast<int>(i + 1) * 7;
        return layout;
    }
    TextLayout layout = MeasureOn(dc, s.font, s.model.Text());
    ::ReleaseDC(hwnd, dc);
    return layout;
}

int VisibleWidth(HWND hwnd) {
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    return std::max(0, static_cast<int>(rc.right - rc.left) - 2 * kEditMargin);
}

void EnsureCaretVisible(HWND hwnd, EditState& s) {
    if (!(EditStyle(hwnd) & ES_AUTOHSCROLL)) {
        s.scrollX = 0;
        return;
    }
    const TextLayout layout = Measure(hwnd, s);
    const int width = VisibleWidth(hwnd);
    s.scrollX = std::clamp(s.scrollX, 0, std::max(0, layout.Width() - width));
    const int caretX = layout.XOf(s.model.Caret());
    if (caretX < s.scrollX) s.scrollX = caretX;
    if (caretX > s.scrollX + width) s.scrollX = caretX - width;
}

}  // namespace qx::win
