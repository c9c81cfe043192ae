#pragma once
// What the standard controls share for painting: the system colours they use, the font they
// draw with, and how they ask their parent for colours.

#include "platform/gfx/Gdi.h"
#include "platform/win/WinUser.h"

namespace qx::win {

inline constexpr COLORREF kFaceColor = RGB(240, 240, 240);
inline constexpr COLORREF kWindowColor = RGB(255, 255, 255);
inline constexpr COLORREF kWindowTextColor = RGB(0, 0, 0);
inline constexpr COLORREF kGrayTextColor = RGB(109, 109, 109);
inline constexpr COLORREF kHighlightColor = RGB(0, 120, 215);
inline constexpr COLORREF kHighlightTextColor = RGB(255, 255, 255);
inline constexpr COLORREF kBorderColor = RGB(173, 173, 173);
inline constexpr COLORREF kPressedFaceColor = RGB(204, 228, 247);

// The control's font, or the default GUI font when it was given none or it has been deleted.
HFONT ControlFont(HFONT font);

// Sets the default colours on dc, then asks the parent with message (WM_CTLCOLOREDIT,
// WM_CTLCOLORSTATIC, ...); the parent's brush, or a brush of fallback when it answers none.
// The returned brush is not to be deleted.
HBRUSH AskParentForColors(HWND hwnd, HDC dc, UINT message, COLORREF textColor, COLORREF backColor);

// Sends WM_COMMAND with code to the parent of a child control. FALSE when there is no parent.
BOOL NotifyParent(HWND hwnd, UINT code);

// Fills rect with a solid colour.
void FillSolid(HDC dc, const RECT& rect, COLORREF color);

}  // namespace qx::win
