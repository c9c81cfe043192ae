#pragma once
// What the Edit class's files share: each edit box's state, and the measuring of its text.

#include "platform/backend/Backend.h"
#include "platform/win/WinApi.h"
#include "platform/win/controls/ControlStateTable.h"
#include "platform/win/controls/EditModel.h"

#include <string>
#include <vector>

namespace qx::win {

// Pixels between the box's left edge and the text.
inline constexpr int kEditMargin = 2;

struct EditState {
    EditModel model;
    HFONT font = nullptr;
    bool focused = false;
    bool dragging = false;
    bool shiftDown = false;
    bool modified = false;
    int scrollX = 0;  // pixels of text scrolled out at the left (ES_AUTOHSCROLL)
    // Shown by the backend's native entry (EditNative.h), with the look it was given last.
    bool native = false;
    bool lookSent = false;
    backend::EntryLook look;
};

ControlStateTable<EditState>& Edits();

inline DWORD EditStyle(HWND hwnd) { return static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE)); }

// Where each UTF-16 unit of the text ends, in pixels from the text's start, and the line height.
struct TextLayout {
    std::vector<int> ends;
    int height = 16;

    int XOf(std::size_t position) const { return position == 0 || ends.empty() ? 0 : ends[position - 1]; }
    int Width() const { return ends.empty() ? 0 : ends.back(); }
    // The boundary nearest to x.
    std::size_t Hit(int x) const;
};

TextLayout MeasureOn(HDC dc, HFONT font, const std::u16string& text);
// On the edit's own device context.
TextLayout Measure(HWND hwnd, const EditState& s);
// The width the text may take.
int VisibleWidth(HWND hwnd);
// With ES_AUTOHSCROLL, scrolls so that the caret is in view; without it the text never scrolls.
void EnsureCaretVisible(HWND hwnd, EditState& s);

// WM_PAINT: the parent's colours (WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC when read-only or
// disabled), the text, the selection and the caret while focused.
void PaintEdit(HWND hwnd, EditState& s);

}  // namespace qx::win
