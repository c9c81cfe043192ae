#pragma once
// Text with Pango, shared by the GDI and GDI+ text calls (internal to the drawing library). All
// text is laid out in one context at 96 dots per inch with grey antialiasing, so what is measured
// is what is drawn, on any surface.

#include <pango/pangocairo.h>

#include <memory>
#include <string>
#include <string_view>

namespace qx::gfx::detail {

struct FontSpec {
    std::string family;     // UTF-8; fontconfig picks the nearest installed face and falls back per glyph
    double pixelSize = 12;  // the em, in pixels
    int weight = 400;       // 100 ... 900
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

struct FontMetrics {
    double ascent = 0;
    double descent = 0;
    double lineHeight = 0;  // distance between the baselines of two lines
    double averageCharWidth = 0;
};

struct GObjectUnref {
    void operator()(void* object) const { g_object_unref(object); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, GObjectUnref>;

// A layout of utf8 in the font, unwrapped; the caller sets width and wrapping.
LayoutPtr MakeLayout(const FontSpec& font, std::string_view utf8);

FontMetrics MetricsOf(const FontSpec& font);

// Whether an installed family (or a generic alias such as "Sans") has this name, ignoring case.
bool IsInstalledFamily(std::string_view utf8Name);

// The number of UTF-16 units that the UTF-8 text would take.
int Utf16Length(std::string_view utf8);
// The byte offset in utf8 after the first `units` UTF-16 units (never inside a character).
int Utf8OffsetOfUnits(std::string_view utf8, int units);

constexpr double ToPixels(int pangoUnits) { return static_cast<double>(pangoUnits) / PANGO_SCALE; }

}  // namespace qx::gfx::detail
