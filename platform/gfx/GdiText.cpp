#include "platform/gfx/Gdi.h"

#include "platform/base/Strings.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/TextLayout.h"

#include <cmath>
#include <string>

using namespace qx::gfx::detail;

namespace {

constexpr double kDefaultPixelSize = 12;

FontSpec SpecOf(const LOGFONTW& lf) {
    FontSpec spec;
    std::u16string_view face(lf.lfFaceName, std::char_traits<char16_t>::length(lf.lfFaceName));
    spec.family = face.empty() ? std::string("Sans") : qx::WideToUtf8(face);
    spec.weight = lf.lfWeight > 0 ? lf.lfWeight : FW_NORMAL;
    spec.italic = lf.lfItalic != 0;
    spec.underline = lf.lfUnderline != 0;
    spec.strikeout = lf.lfStrikeOut != 0;
    if (lf.lfHeight < 0) {
        spec.pixelSize = -static_cast<double>(lf.lfHeight);
    } else if (lf.lfHeight > 0) {
        FontSpec probe = spec;
        probe.pixelSize = 100;
        const FontMetrics m = MetricsOf(probe);
        const double cell = m.ascent + m.descent;
        spec.pixelSize = cell > 0 ? lf.lfHeight * 100.0 / cell : lf.lfHeight;
    } else {
        spec.pixelSize = kDefaultPixelSize;
    }
    return spec;
}

FontSpec SpecOf(const DeviceContext& dc) {
    return dc.font.object ? SpecOf(dc.font.object->logFont) : FontSpec{};
}

// A text argument: length -1 reads up to the terminator.
bool ReadText(LPCWSTR text, int length, std::u16string& out) {
    if (length < -1 || (!text && length != 0)) return false;
    if (length == -1) out = text;
    else out.assign(text ? text : u"", static_cast<std::size_t>(length));
    return true;
}

void SetColor(cairo_t* cr, COLORREF color) {
    cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

LONG RoundedHeight(const FontMetrics& m) { return static_cast<LONG>(std::lround(m.ascent + m.descent)); }

// Draws a laid-out text with its top-left at (x, y), the background box first when opaque.
void Show(const DeviceContext& dc, cairo_t* cr, PangoLayout* layout, double x, double y) {
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    if (dc.bkMode == OPAQUE) {
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        SetColor(cr, dc.bkColor);
        cairo_rectangle(cr, x + logical.x, y + logical.y, logical.width, logical.height);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }
    SetColor(cr, dc.textColor);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
}

// "&x" shows x (the mnemonic), "&&" shows one ampersand.
std::u16string WithoutPrefixes(const std::u16string& text) {
    std::u16string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        else if (text[i] == u'&') continue;
        shown += text[i];
    }
    return shown;
}

}  // namespace

HFONT CreateFontIndirectW(const LOGFONTW* logFont) {
    if (!logFont) return nullptr;
    LOGFONTW lf = *logFont;
    lf.lfFaceName[LF_FACESIZE - 1] = 0;
    return HandleFromId<HFONT>(GdiTable().Add(std::make_shared<GdiFont>(lf)));
}

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCWSTR faceName) {
    LOGFONTW lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic);
    lf.lfUnderline = static_cast<BYTE>(underline);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut);
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName) {
        for (int i = 0; i < LF_FACESIZE - 1 && faceName[i]; ++i) lf.lfFaceName[i] = faceName[i];
    }
    return CreateFontIndirectW(&lf);
}

BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR text, int length) {
    const auto dc = FindDC(hdc);
    std::u16string wide;
    if (!dc || length < 0 || !ReadText(text, length, wide)) return FALSE;
    cairo_t* cr = CreateCairo(*dc);
    if (!cr) return FALSE;
    LayoutPtr layout = MakeLayout(SpecOf(*dc), qx::WideToUtf8(wide));
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    Show(*dc, cr, layout.get(), x, y);
    cairo_destroy(cr);
    return TRUE;
}

BOOL GetTextExtentExPointW(HDC hdc, LPCWSTR text, int length, int maxExtent, int* fit, int* extents, SIZE* size) {
    const auto dc = FindDC(hdc);
    std::u16string wide;
    if (!dc || length < 0 || !ReadText(text, length, wide)) return FALSE;
    const FontSpec spec = SpecOf(*dc);
    const std::string utf8 = qx::WideToUtf8(wide);
    LayoutPtr layout = MakeLayout(spec, utf8);
    pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout.get(), nullptr, &logical);
    if (size) *size = SIZE{logical.width, RoundedHeight(MetricsOf(spec))};
    if (!fit && !extents) return TRUE;

    PangoLayoutLine* line = pango_layout_get_line_readonly(layout.get(), 0);
    int fitting = 0;
    int unit = 0;
    for (const char* p = utf8.c_str(); *p; p = g_utf8_next_char(p)) {
        const char* next = g_utf8_next_char(p);
        int x = 0;
        pango_layout_line_index_to_x(line, static_cast<int>(next - utf8.c_str()), FALSE, &x);
        const int end = static_cast<int>(std::lround(ToPixels(x)));
        // A character beyond the basic plane is two UTF-16 units; both end where it ends.
        const int units = Utf16Length(std::string_view(p, next - p));
        for (int k = 0; k < units && unit < length; ++k, ++unit) {
            if (extents) extents[unit] = end;
            if (end <= maxExtent && fitting == unit) ++fitting;
        }
    }
    if (fit) *fit = fitting;
    return TRUE;
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int length, SIZE* size) {
    if (!size) return FALSE;
    return GetTextExtentExPointW(hdc, text, length, 0, nullptr, nullptr, size);
}

BOOL GetTextMetricsW(HDC hdc, TEXTMETRICW* metrics) {
    const auto dc = FindDC(hdc);
    if (!dc || !metrics) return FALSE;
    const FontSpec spec = SpecOf(*dc);
    const FontMetrics m = MetricsOf(spec);
    TEXTMETRICW tm;
    tm.tmAscent = static_cast<LONG>(std::lround(m.ascent));
    tm.tmDescent = static_cast<LONG>(std::lround(m.descent));
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - static_cast<LONG>(std::lround(spec.pixelSize)));
    tm.tmExternalLeading = std::max<LONG>(0, static_cast<LONG>(std::lround(m.lineHeight)) - tm.tmHeight);
    tm.tmAveCharWidth = static_cast<LONG>(std::lround(m.averageCharWidth));
    tm.tmMaxCharWidth = static_cast<LONG>(std::lround(spec.pixelSize));
    tm.tmWeight = spec.weight;
    tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFFFC;
    tm.tmDefaultChar = u'?';
    tm.tmBreakChar = u' ';
    tm.tmItalic = spec.italic;
    tm.tmUnderlined = spec.underline;
    tm.tmStruckOut = spec.strikeout;
    tm.tmPitchAndFamily = VARIABLE_PITCH;
    tm.tmCharSet = dc->font.object ? dc->font.object->logFont.lfCharSet : DEFAULT_CHARSET;
    *metrics = tm;
    return TRUE;
}

int DrawTextW(HDC hdc, LPCWSTR text, int length, RECT* rect, UINT format) {
    const auto dc = FindDC(hdc);
    std::u16string wide;
    if (!dc || !rect || !ReadText(text, length, wide)) return 0;
    if (!(format & DT_NOPREFIX)) wide = WithoutPrefixes(wide);
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;

    LayoutPtr layout = MakeLayout(SpecOf(*dc), qx::WideToUtf8(wide));
    PangoLayout* pl = layout.get();
    const bool single = format & DT_SINGLELINE;
    pango_layout_set_single_paragraph_mode(pl, single);
    const bool wraps = !single && (format & DT_WORDBREAK) && width > 0;
    const bool ellipsizes = (format & DT_END_ELLIPSIS) && width > 0;
    if (wraps || ellipsizes) {
        pango_layout_set_width(pl, width * PANGO_SCALE);
        if (wraps) pango_layout_set_wrap(pl, PANGO_WRAP_WORD_CHAR);
        if (ellipsizes) pango_layout_set_ellipsize(pl, PANGO_ELLIPSIZE_END);
        pango_layout_set_alignment(pl, (format & DT_CENTER) ? PANGO_ALIGN_CENTER
                                       : (format & DT_RIGHT) ? PANGO_ALIGN_RIGHT
                                                             : PANGO_ALIGN_LEFT);
    }
    PangoRectangle logical;
    pango_layout_get_pixel_extents(pl, nullptr, &logical);

    if (format & DT_CALCRECT) {
        if (!wraps) rect->right = rect->left + logical.width;
        rect->bottom = rect->top + logical.height;
        return logical.height;
    }

    double x = rect->left;
    if (!wraps && !ellipsizes) {
        if (format & DT_CENTER) x += (width - logical.width) / 2;
        else if (format & DT_RIGHT) x += width - logical.width;
    }
    double y = rect->top;
    if (single && (format & DT_VCENTER)) y += (height - logical.height) / 2;
    else if (single && (format & DT_BOTTOM)) y += height - logical.height;

    cairo_t* cr = CreateCairo(*dc);
    if (!cr) return 0;
    if (!(format & DT_NOCLIP)) {
        cairo_rectangle(cr, rect->left, rect->top, width, height);
        cairo_clip(cr);
    }
    Show(*dc, cr, pl, x, y);
    cairo_destroy(cr);
    return logical.height;
}
