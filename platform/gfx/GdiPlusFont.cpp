#include "platform/gfx/GdiPlus.h"

#include "platform/base/Strings.h"
#include "platform/gfx/GdiPlusObjects.h"

using namespace qx::gfx::detail;

namespace Gdiplus {

namespace {

// The em in pixels at 96 dots per inch; 0 for a unit a font cannot have.
double PixelsPerUnit(Unit unit) {
    switch (unit) {
        case UnitWorld:
        case UnitPixel: return 1;
        case UnitPoint: return 96.0 / 72.0;
        case UnitInch: return 96;
        case UnitDocument: return 96.0 / 300.0;
        case UnitMillimeter: return 96.0 / 25.4;
        case UnitDisplay: break;
    }
    return 0;
}

constexpr int kKnownStyles = FontStyleBold | FontStyleItalic | FontStyleUnderline | FontStyleStrikeout;

}  // namespace

Status GdipCreateFontFamilyFromName(const WCHAR* name, GpFontCollection* fontCollection, GpFontFamily** fontFamily) {
    if (!fontFamily) return InvalidParameter;
    *fontFamily = nullptr;
    // Only the installed collection exists; a private collection is not supported.
    if (!name || fontCollection) return InvalidParameter;
    std::string utf8 = qx::WideToUtf8(name);
    if (!IsInstalledFamily(utf8)) return FontFamilyNotFound;
    *fontFamily = AddGp<GpFontFamily>(std::make_shared<GpFontFamilyObject>(std::move(utf8)));
    return Ok;
}

Status GdipGetGenericFontFamilySansSerif(GpFontFamily** fontFamily) {
    if (!fontFamily) return InvalidParameter;
    static GpFontFamily* s_sans = [] {
        auto family = std::make_shared<GpFontFamilyObject>("Sans");
        family->stock = true;
        return AddGp<GpFontFamily>(std::move(family));
    }();
    *fontFamily = s_sans;
    return Ok;
}

Status GdipDeleteFontFamily(GpFontFamily* fontFamily) {
    return RemoveGp(fontFamily, GpKind::FontFamily) ? Ok : InvalidParameter;
}

Status GdipCreateFont(const GpFontFamily* fontFamily, REAL emSize, INT style, Unit unit, GpFont** font) {
    if (!font) return InvalidParameter;
    *font = nullptr;
    auto* family = FindGp<GpFontFamilyObject>(fontFamily, GpKind::FontFamily);
    const double scale = PixelsPerUnit(unit);
    if (!family || !(emSize > 0) || scale == 0 || (style & ~kKnownStyles)) return InvalidParameter;
    FontSpec spec;
    spec.family = family->name;
    spec.pixelSize = emSize * scale;
    spec.weight = (style & FontStyleBold) ? 700 : 400;
    spec.italic = style & FontStyleItalic;
    spec.underline = style & FontStyleUnderline;
    spec.strikeout = style & FontStyleStrikeout;
    *font = AddGp<GpFont>(std::make_shared<GpFontObject>(std::move(spec)));
    return Ok;
}

Status GdipDeleteFont(GpFont* font) { return RemoveGp(font, GpKind::Font) ? Ok : InvalidParameter; }

Status GdipGetFontHeight(const GpFont* font, const GpGraphics* graphics, REAL* height) {
    auto* found = FindGp<GpFontObject>(font, GpKind::Font);
    if (!found || !height || (graphics && !FindGp<GpGraphicsObject>(graphics, GpKind::Graphics)))
        return InvalidParameter;
    *height = static_cast<REAL>(MetricsOf(found->spec).lineHeight);
    return Ok;
}

Status GdipCreateSolidFill(ARGB color, GpSolidFill** brush) {
    if (!brush) return InvalidParameter;
    *brush = AddGp<GpSolidFill>(std::make_shared<GpBrushObject>(color));
    return Ok;
}

Status GdipDeleteBrush(GpBrush* brush) { return RemoveGp(brush, GpKind::Brush) ? Ok : InvalidParameter; }

Status GdipCreateStringFormat(INT formatAttributes, LANGID, GpStringFormat** format) {
    if (!format) return InvalidParameter;
    *format = AddGp<GpStringFormat>(std::make_shared<GpStringFormatObject>(formatAttributes));
    return Ok;
}

Status GdipDeleteStringFormat(GpStringFormat* format) {
    return RemoveGp(format, GpKind::StringFormat) ? Ok : InvalidParameter;
}

namespace {

bool IsAlignment(StringAlignment align) { return align >= StringAlignmentNear && align <= StringAlignmentFar; }

}  // namespace

Status GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align) {
    auto* found = FindGp<GpStringFormatObject>(format, GpKind::StringFormat);
    if (!found || !IsAlignment(align)) return InvalidParameter;
    found->align = align;
    return Ok;
}

Status GdipGetStringFormatAlign(GpStringFormat* format, StringAlignment* align) {
    auto* found = FindGp<GpStringFormatObject>(format, GpKind::StringFormat);
    if (!found || !align) return InvalidParameter;
    *align = found->align;
    return Ok;
}

Status GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align) {
    auto* found = FindGp<GpStringFormatObject>(format, GpKind::StringFormat);
    if (!found || !IsAlignment(align)) return InvalidParameter;
    found->lineAlign = align;
    return Ok;
}

Status GdipGetStringFormatLineAlign(GpStringFormat* format, StringAlignment* align) {
    auto* found = FindGp<GpStringFormatObject>(format, GpKind::StringFormat);
    if (!found || !align) return InvalidParameter;
    *align = found->lineAlign;
    return Ok;
}

}  // namespace Gdiplus
