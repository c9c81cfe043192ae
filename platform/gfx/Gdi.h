#pragma once
// The drawing interface (gdi32) the system's code is written against: device contexts, bitmaps,
// brushes, fonts, fills and text, on cairo and Pango. Handles are ids in a table and are never
// reused: a stale or wrong handle makes a call fail (0, FALSE, null) and never touches memory.
// Pixels are premultiplied ARGB32; fills and text backgrounds are opaque (alpha 255).

#include "platform/gfx/GdiTypes.h"

// Device contexts ------------------------------------------------------------------------------

// A memory device context. It starts with a 1 x 1 bitmap selected; select a bitmap of
// CreateCompatibleBitmap into it to draw. hdc may be null (the screen). Null for a stale hdc.
HDC CreateCompatibleDC(HDC hdc);
// Releases any device context (memory ones and those of the window system). The objects
// selected into it stay valid. FALSE for a stale handle.
BOOL DeleteDC(HDC hdc);

// Selects a brush, font or bitmap into hdc and returns the one it replaces; null on failure. A
// bitmap goes only into a memory context and into one context at a time.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
// The object of the given kind selected into hdc: OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP.
constexpr UINT OBJ_BRUSH = 2;
constexpr UINT OBJ_FONT = 6;
constexpr UINT OBJ_BITMAP = 7;
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);

COLORREF SetTextColor(HDC hdc, COLORREF color);  // the previous colour; CLR_INVALID on failure
COLORREF GetTextColor(HDC hdc);                  // CLR_INVALID on failure
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);  // TRANSPARENT or OPAQUE; the previous mode, 0 on failure
int GetBkMode(HDC hdc);

// Logical point (0, 0) lands on surface pixel origin. The window system sets it for a child
// drawn on its parent's surface.
BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL GetViewportOrgEx(HDC hdc, POINT* origin);
BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, POINT* previous);

// The clip is one rectangle. GetClipBox gives it in logical units (the whole surface when
// nothing clips); IntersectClipRect narrows it. Both answer NULLREGION, SIMPLEREGION or RGN_ERROR.
int GetClipBox(HDC hdc, RECT* rect);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);

// Objects --------------------------------------------------------------------------------------

// A bitmap of width x height that holds all-zero, fully transparent pixels. A width or height
// of 0 gives a 1 x 1 bitmap; negative or unreasonably large sizes and a stale hdc give null.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
HBRUSH CreateSolidBrush(COLORREF color);
// WHITE_BRUSH ... NULL_BRUSH and the stock fonts; null for other indices. Stock objects ignore
// DeleteObject.
HGDIOBJ GetStockObject(int index);
// Deletes a brush, font or bitmap. A context that still has it selected keeps drawing with it
// until something else is selected. FALSE for a stale handle or a device context.
BOOL DeleteObject(HGDIOBJ object);
// Copies the record of a bitmap (BITMAP), brush (LOGBRUSH) or font (LOGFONTW) into buffer and
// returns the bytes written; with a null buffer, the size of the record. 0 on failure.
int GetObjectW(HGDIOBJ object, int size, void* buffer);

// Filling and copying --------------------------------------------------------------------------

// Fills rect (logical units, right and bottom exclusive) with the brush, opaque, within the
// clip. Nothing for a hollow brush or an empty rectangle. FALSE for a stale hdc or brush.
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
// Copies pixels as they are, alpha included (SRCCOPY only), within the destination's clip.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);

// Fonts and text -------------------------------------------------------------------------------
// Fonts are Pango descriptions: the face name goes to fontconfig, which picks the nearest
// installed face and falls back per character (Chinese text takes a CJK face). A negative height
// is the em in pixels, a positive one the cell height (em plus internal leading), 0 the size of
// DEFAULT_GUI_FONT (12 pixels). FIXME: width, escapement and orientation are kept in the record
// but text is always drawn upright at the face's own width.

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCWSTR faceName);
HFONT CreateFontIndirectW(const LOGFONTW* logFont);

// Text in the selected font and the text colour, from (x, y) as its top-left corner; with
// OPAQUE the text's box is first filled with the background colour. length is in UTF-16 units.
BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR text, int length);
// The width of the text and the font's height.
BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int length, SIZE* size);
// As above; also how many UTF-16 units fit within maxExtent (fit, when not null) and the
// distance from the start to the end of each unit (extents, length entries, when not null).
BOOL GetTextExtentExPointW(HDC hdc, LPCWSTR text, int length, int maxExtent, int* fit, int* extents, SIZE* size);
BOOL GetTextMetricsW(HDC hdc, TEXTMETRICW* metrics);
// Text inside rect with the DT_ flags above (alignment, DT_SINGLELINE, DT_WORDBREAK,
// DT_END_ELLIPSIS, DT_NOCLIP, DT_NOPREFIX, DT_CALCRECT). length -1: up to the terminator.
// Answers the height of the text, 0 on failure.
int DrawTextW(HDC hdc, LPCWSTR text, int length, RECT* rect, UINT format);
