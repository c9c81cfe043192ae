#include "platform/gfx/GdiPlus.h"

#include "platform/base/Strings.h"
#include "platform/gfx/GdiPlusObjects.h"

#include <algorithm>
#include <cmath>

using namespace qx::gfx::detail;

namespace Gdiplus {

namespace {

// A string laid out in a layout rectangle, and the part of it that is visible there.
struct StringLayout {
    LayoutPtr layout;
    std::string utf8;
    double lineHeight = 0;
    int visibleLines = 0;
    int visibleBytes = 0;
    double width = 0;  // the widest visible line
};

bool ReadString(const WCHAR* string, INT length, std::u16string& out) {
    if (!string || length < -1) return false;
    if (length == -1) out = string;
    else out.assign(string, static_cast<std::size_t>(length));
    return true;
}

StringLayout Lay(const std::u16string& text, const GpFontObject& font, const RectF& rect, int flags) {
    StringLayout result;
    result.utf8 = qx::WideToUtf8(text);
    result.layout = MakeLayout(font.spec, result.utf8);
    PangoLayout* layout = result.layout.get();
    const bool wraps = rect.Width > 0 && !(flags & StringFormatFlagsNoWrap);
    if (wraps) {
        pango_layout_set_width(layout, static_cast<int>(std::lround(rect.Width * PANGO_SCALE)));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    }
    result.lineHeight = MetricsOf(font.spec).lineHeight;
    if (result.utf8.empty()) return result;

    const int lines = pango_layout_get_line_count(layout);
    int visible = lines;
    if (rect.Height > 0 && result.lineHeight > 0) {
        // A line shows when it starts inside the rectangle, or, with the line limit, when all of it is inside.
        const double fit = rect.Height / result.lineHeight;
        const int limit = static_cast<int>((flags & StringFormatFlagsLineLimit) ? std::floor(fit + 1e-4) : std::ceil(fit - 1e-4));
        visible = std::clamp(limit, 0, lines);
    }
    int bytes = visible < lines ? pango_layout_get_line_readonly(layout, visible)->start_index
                                : static_cast<int>(result.utf8.size());
    for (int i = 0; i < visible; ++i) {
        PangoLayoutLine* line = pango_layout_get_line_readonly(layout, i);
        PangoRectangle logical;
        pango_layout_line_get_extents(line, nullptr, &logical);
        double lineWidth = ToPixels(logical.width);
        if (!wraps && rect.Width > 0 && lineWidth > rect.Width) {
            // An unwrapped line wider than the rectangle ends with the last character that fits whole.
            int index = 0, trailing = 0;
            pango_layout_line_x_to_index(line, static_cast<int>(std::lround(rect.Width * PANGO_SCALE)), &index, &trailing);
            bytes = index;
            lineWidth = rect.Width;
            visible = i + 1;
        }
        result.width = std::max(result.width, lineWidth);
        if (visible == i + 1) break;
    }
    result.visibleLines = visible;
    result.visibleBytes = bytes;
    return result;
}

// Where the text's top-left corner goes for the format's alignments.
void Place(const StringLayout& laid, const RectF& rect, const GpStringFormatObject* format, double& x, double& y) {
    const StringAlignment align = format ? format->align : StringAlignmentNear;
    const StringAlignment lineAlign = format ? format->lineAlign : StringAlignmentNear;
    const double textHeight = laid.visibleLines * laid.lineHeight;
    const double share = align == StringAlignmentCenter ? 0.5 : align == StringAlignmentFar ? 1 : 0;
    const double lineShare = lineAlign == StringAlignmentCenter ? 0.5 : lineAlign == StringAlignmentFar ? 1 : 0;
    x = rect.X + (rect.Width > 0 ? (rect.Width - laid.width) : -laid.width) * share;
    y = rect.Y + (rect.Height > 0 ? (rect.Height - textHeight) : -textHeight) * lineShare;
}

}  // namespace

Status GdipMeasureString(GpGraphics* graphics, const WCHAR* string, INT length, const GpFont* font,
                         const RectF* layoutRect, const GpStringFormat* stringFormat, RectF* boundingBox,
                         INT* codepointsFitted, INT* linesFilled) {
    auto* g = FindGp<GpGraphicsObject>(graphics, GpKind::Graphics);
    auto* f = FindGp<GpFontObject>(font, GpKind::Font);
    auto* format = FindGp<GpStringFormatObject>(stringFormat, GpKind::StringFormat);
    std::u16string text;
    if (!g || !f || !layoutRect || (stringFormat && !format) || !ReadString(string, length, text))
        return InvalidParameter;
    const StringLayout laid = Lay(text, *f, *layoutRect, format ? format->flags : 0);
    if (codepointsFitted)
        *codepointsFitted = Utf16Length(std::string_view(laid.utf8).substr(0, laid.visibleBytes));
    if (linesFilled) *linesFilled = laid.visibleLines;
    if (boundingBox) {
        double x = 0, y = 0;
        Place(laid, *layoutRect, format, x, y);
        *boundingBox = RectF{static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(laid.width),
                             static_cast<REAL>(laid.visibleLines * laid.lineHeight)};
    }
    return Ok;
}

Status GdipDrawString(GpGraphics* graphics, const WCHAR* string, INT length, const GpFont* font,
                      const RectF* layoutRect, const GpStringFormat* stringFormat, const GpBrush* brush) {
    auto* g = FindGp<GpGraphicsObject>(graphics, GpKind::Graphics);
    auto* f = FindGp<GpFontObject>(font, GpKind::Font);
    auto* format = FindGp<GpStringFormatObject>(stringFormat, GpKind::StringFormat);
    auto* b = FindGp<GpBrushObject>(brush, GpKind::Brush);
    std::u16string text;
    if (!g || !f || !b || !layoutRect || (stringFormat && !format) || !ReadString(string, length, text))
        return InvalidParameter;
    const int flags = format ? format->flags : 0;
    StringLayout laid = Lay(text, *f, *layoutRect, flags);
    if (laid.utf8.empty()) return Ok;
    const StringAlignment align = format ? format->align : StringAlignmentNear;
    const bool wraps = layoutRect->Width > 0 && !(flags & StringFormatFlagsNoWrap);
    if (wraps) {
        // Pango aligns each wrapped line within the width itself.
        pango_layout_set_alignment(laid.layout.get(), align == StringAlignmentCenter ? PANGO_ALIGN_CENTER
                                                      : align == StringAlignmentFar  ? PANGO_ALIGN_RIGHT
                                                                                     : PANGO_ALIGN_LEFT);
    }
    double x = 0, y = 0;
    Place(laid, *layoutRect, format, x, y);
    if (wraps) x = layoutRect->X;

    cairo_t* cr = g->cr;
    cairo_save(cr);
    if (layoutRect->Width > 0 && layoutRect->Height > 0 && !(flags & StringFormatFlagsNoClip)) {
        cairo_rectangle(cr, layoutRect->X, layoutRect->Y, layoutRect->Width, layoutRect->Height);
        cairo_clip(cr);
    }
    const ARGB color = b->color;
    cairo_set_source_rgba(cr, ((color >> 16) & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, (color & 0xFF) / 255.0,
                          (color >> 24) / 255.0);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, laid.layout.get());
    cairo_restore(cr);
    return Ok;
}

}  // namespace Gdiplus
