#include "platform/gfx/TextLayout.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace qx::gfx::detail {

namespace {

PangoContext* TextContext() {
    static PangoContext* s_context = [] {
        // A font map of our own, held from a global: the default one lives in thread-local storage.
        static PangoFontMap* s_fontMap = pango_cairo_font_map_new();
        PangoContext* context = pango_font_map_create_context(s_fontMap);
        pango_cairo_context_set_resolution(context, 96);
        cairo_font_options_t* options = cairo_font_options_create();
        // Grey antialiasing: subpixel colours would be wrong on surfaces with their own alpha.
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
        pango_cairo_context_set_font_options(context, options);
        cairo_font_options_destroy(options);
        // The browser's texts are mostly Chinese: Han characters take the Simplified Chinese forms
        // whatever the locale of the process.
        pango_context_set_language(context, pango_language_from_string("zh-cn"));
        return context;
    }();
    return s_context;
}

struct DescriptionFree {
    void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};
using DescriptionPtr = std::unique_ptr<PangoFontDescription, DescriptionFree>;

DescriptionPtr DescriptionOf(const FontSpec& font) {
    DescriptionPtr description(pango_font_description_new());
    pango_font_description_set_family(description.get(), font.family.empty() ? "Sans" : font.family.c_str());
    pango_font_description_set_absolute_size(description.get(), std::max(font.pixelSize, 1.0) * PANGO_SCALE);
    pango_font_description_set_weight(description.get(), static_cast<PangoWeight>(std::clamp(font.weight, 100, 1000)));
    pango_font_description_set_style(description.get(), font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return description;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

int UnitsOfLead(unsigned char lead) {
    // Four-byte sequences are characters beyond the basic plane: a surrogate pair.
    return (lead & 0xF8) == 0xF0 ? 2 : 1;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

LayoutPtr MakeLayout(const FontSpec& font, std::string_view utf8) {
    LayoutPtr layout(pango_layout_new(TextContext()));
    const DescriptionPtr description = DescriptionOf(font);
    pango_layout_set_font_description(layout.get(), description.get());
    PangoAttrList* attributes = pango_attr_list_new();
    // Lines broken inside a word end where the word was cut, without an added hyphen.
    pango_attr_list_insert(attributes, pango_attr_insert_hyphens_new(FALSE));
    if (font.underline) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font.strikeout) pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
    pango_layout_set_attributes(layout.get(), attributes);
    pango_attr_list_unref(attributes);
    pango_layout_set_text(layout.get(), utf8.data(), static_cast<int>(utf8.size()));
    return layout;
}

FontMetrics MetricsOf(const FontSpec& font) {
    const DescriptionPtr description = DescriptionOf(font);
    // The metrics of the family's own face, as the font's line spacing: with the context's Chinese
    // language they would be those of the CJK fall-back face.
    PangoFontMetrics* metrics =
        pango_context_get_metrics(TextContext(), description.get(), pango_language_from_string("en"));
    FontMetrics result;
    result.ascent = ToPixels(pango_font_metrics_get_ascent(metrics));
    result.descent = ToPixels(pango_font_metrics_get_descent(metrics));
    const int height = pango_font_metrics_get_height(metrics);
    result.lineHeight = height > 0 ? ToPixels(height) : result.ascent + result.descent;
    result.averageCharWidth = ToPixels(pango_font_metrics_get_approximate_char_width(metrics));
    pango_font_metrics_unref(metrics);
    return result;
}

bool IsInstalledFamily(std::string_view utf8Name) {
    static const std::set<std::string> s_names = [] {
        std::set<std::string> names;
        PangoFontFamily** families = nullptr;
        int count = 0;
        pango_font_map_list_families(pango_context_get_font_map(TextContext()), &families, &count);
        for (int i = 0; i < count; ++i) names.insert(Lower(pango_font_family_get_name(families[i])));
        g_free(families);
        return names;
    }();
    return s_names.count(Lower(utf8Name)) > 0;
}

int Utf16Length(std::string_view utf8) {
    int units = 0;
    for (unsigned char c : utf8)
        if (!IsContinuation(c)) units += UnitsOfLead(c);
    return units;
}

int Utf8OffsetOfUnits(std::string_view utf8, int units) {
    int offset = 0;
    const int size = static_cast<int>(utf8.size());
    while (offset < size) {
        const int need = UnitsOfLead(static_cast<unsigned char>(utf8[offset]));
        if (need > units) break;
        units -= need;
        ++offset;
        while (offset < size && IsContinuation(static_cast<unsigned char>(utf8[offset]))) ++offset;
    }
    return offset;
}

}  // namespace qx::gfx::detail

// Under the leak checker: fontconfig keeps the patterns of the fonts it matched in caches that
// the checker cannot see from the program's memory, and reports them when the process ends.
// Weak, so that a program with its own list of suppressions keeps it.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
