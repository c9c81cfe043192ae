#pragma once
// Dialog templates as the resource compiler would give them: the dialog's style, size, caption
// and font, and its controls with ids, classes, styles and rectangles, all in dialog units.
// The program's templates are registered by its resources; CDialog finds them by id.

#include "platform/ole/Guid.h"
#include "platform/win/WinUser.h"

#include <span>

struct DialogItemTemplate {
    UINT nID = 0;
    LPCWSTR lpszClass = nullptr;  // "Button", "Edit", "Static", or a hosted control's window class
    LPCWSTR lpszCaption = u"";
    DWORD dwStyle = 0;  // WS_CHILD is implied
    DWORD dwExStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    const CLSID* pClsid = nullptr;  // a hosted control: its class id
};

struct DialogTemplate {
    UINT nID = 0;
    DWORD dwStyle = 0;
    DWORD dwExStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    LPCWSTR lpszCaption = u"";
    LPCWSTR lpszFontFace = nullptr;  // with DS_SETFONT
    WORD wPointSize = 0;
    std::span<const DialogItemTemplate> items;
};

namespace qx::fw {

// Makes tpl findable by its nID (a later one with the same id replaces it). The template must
// outlive its registration.
void RegisterDialogTemplate(const DialogTemplate& tpl);
const DialogTemplate* FindDialogTemplate(UINT nID);

// The pixels of 4 horizontal and 8 vertical dialog units for the template's font: a fixed
// measure of the average character (6 x 13 pixels at 8 points) rather than a measured one, so a
// layout is the same on every machine.
SIZE DialogBaseUnits(const DialogTemplate& tpl);
RECT DialogUnitsToPixels(SIZE baseUnits, short x, short y, short cx, short cy);

}  // namespace qx::fw
