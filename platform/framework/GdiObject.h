#pragma once
// Thin owners of drawing objects: the object is deleted with its owner (or by DeleteObject), and
// converts to its handle where a handle is wanted.

#include "platform/framework/Object.h"
#include "platform/gfx/Gdi.h"

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)

public:
    CGdiObject() = default;
    ~CGdiObject() override;

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // Deletes the object now; FALSE when there is none.
    BOOL DeleteObject();
    int GetObject(int nCount, void* lpObject) const;
};

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)

public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    // Replaces nothing: FALSE when the object already holds a brush (delete it first).
    BOOL CreateSolidBrush(COLORREF crColor);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)

public:
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCWSTR lpszFacename);
    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
    // nPointSize in tenths of a point, at 96 pixels per inch.
    BOOL CreatePointFont(int nPointSize, LPCWSTR lpszFaceName);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};
