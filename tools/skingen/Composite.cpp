#include "tools/skingen/Composite.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tools/skingen/AreaRule.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinTable.h"

namespace skingen {

namespace {

const char* const kBackgroundOrder[] = {
    "TITLE_BAR",        "TITLE_BARL",        "TITLE_BARR",        "ADDRESS_BAR",
    "TAB_BAR",          "LEFT_TOOLS_BAR",    "MAIN_CONTENT_AREA", "STATE_BAR",
    "PROJECT_ICO",      "BODER_LEFT",        "BODER_RIGHT",       "BODER_TOP",
    "BODER_BOTTOM",     "BODER_LEFT_TOP_CORNER", "BODER_RIGHT_TOP_CORNER",
    "ADDRESS_BG_LEFT",  "ADDRESS_BG_MIDDLE", "ADDRESS_BG_RIGHT",  "SEARCH_BG_LEFT",
    "SEARCH_BG_MIDDLE", "SEARCH_BG_RIGHT",
};

// Buttons the main window places on every layout, in its order; favorites and notepad keep a
// zero size and never show.
const char* const kPlacedButtons[] = {
    "BTN_TITLE_CLOSE", "BTN_TITLE_MAX", "BTN_TITLE_MIN", "BTN_TASK_ICO", "BTN_CONTACTS_ICO",
    "BTN_BACK", "BTN_FORWARD", "BTN_STOP", "BTN_REFRESH", "BTN_HOME", "BTN_SETTING",
    "ADDRESS_PAGE_ICO", "SEARCH_PAGE_ICO", "ADDRESS_PAGE_GOTO", "SEARCH_PAGE_GOTO",
};

cairo_surface_t* Image(const ImageSet& images, const std::string& file) {
    const auto it = images.find(file);
    if (it == images.end()) {
        std::fprintf(stderr, "qx_skingen: no image %s\n", file.c_str());
        std::abort();
    }
    return it->second.get();
}

int Number(const std::string& s) { return std::atoi(s.c_str()); }

// Draws the part (sx, 0, w, h) of image at (x, y), unscaled.
void Blit(cairo_t* cr, cairo_surface_t* image, int sx, int x, int y, int w, int h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_set_source_surface(cr, image, x - sx, y);
    cairo_paint(cr);
    cairo_restore(cr);
}

void Tile(cairo_t* cr, cairo_surface_t* image, const Rect& r) {
    const int iw = Width(image), ih = Height(image);
    if (iw <= 0 || ih <= 0) return;
    for (int y = r.top; y < r.bottom; y += ih)
        for (int x = r.left; x < r.right; x += iw)
            Blit(cr, image, 0, x, y, std::min(iw, r.right - x), std::min(ih, r.bottom - y));
}

void DrawButton(cairo_t* cr, const ImageSet& images, const SkinElement& e, int x, int y,
                int frame) {
    cairo_surface_t* strip = Image(images, e.file);
    const int fw = Width(strip) / 4;
    Blit(cr, strip, frame * fw, x, y, fw, Height(strip));
}

// Text as the tab draws it: cut to the characters that fit, never with an ellipsis.
std::string FitText(cairo_t* cr, const std::string& text, const char* font, int width) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* desc = pango_font_description_from_string(font);
    pango_layout_set_font_description(layout, desc);
    std::string fitted = text;
    for (;;) {
        pango_layout_set_text(layout, fitted.c_str(), -1);
        int w = 0, h = 0;
        pango_layout_get_pixel_size(layout, &w, &h);
        if (w <= width || fitted.empty()) break;
        // Drop one whole UTF-8 character: its continuation bytes, then its lead byte.
        while ((static_cast<unsigned char>(fitted.back()) & 0xC0) == 0x80 && fitted.size() > 1)
            fitted.pop_back();
        fitted.pop_back();
    }
    pango_font_description_free(desc);
    g_object_unref(layout);
    return fitted;
}

// One tab, w wide, as its title button paints it: the background frame stretched over the
// whole tab, the icon, the title from the icon's right edge, the close glyph at the right.
void DrawTab(cairo_t* cr, const ImageSet& images, int x, int w, int frame,
             const std::string& title) {
    const SkinElement& bg = Element("TAB_PAGE_BG");
    const SkinElement& icon = Element("TAB_PAGE_ICO");
    const SkinElement& close = Element("TAB_PAGE_CLOSE");
    cairo_surface_t* strip = Image(images, bg.file);
    const int fw = Width(strip) / 4, h = Number(bg.height);
    cairo_save(cr);
    cairo_translate(cr, x, bg.y);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    cairo_scale(cr, static_cast<double>(w) / fw, static_cast<double>(h) / Height(strip));
    cairo_set_source_surface(cr, strip, -frame * fw, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    Blit(cr, Image(images, icon.file), 0, icon.x, icon.y, Number(icon.width),
         Number(icon.height));
    const int left = icon.x + Number(icon.width);
    const int available = w - close.x - icon.x - Number(icon.width);
    const char* font = "Sans 10";
    DrawText(cr, FitText(cr, title, font, available), font, Hex(0x000000), left, (h - 10) * 0.5);
    DrawButton(cr, images, close, w - close.x, close.y, 0);
    cairo_restore(cr);
}

void DrawTabs(cairo_t* cr, const ImageSet& images, int w, int h) {
    const char* titles[] = {"Example Domain", "栎木网络互联 - 搜索", "A page with a long title"};
    const int count = 3;
    Rect strip;
    ComputeAreaRect(w, h, Element("TAB_BG"), strip);
    const SkinElement& add = Element("TAB_PAGE_ADD");
    const int tabWidth =
        std::min((strip.Width() - Number(add.width)) / count, Number(Element("TAB_PAGE_BG").width));
    int x = 3;
    for (int i = 0; i < count; ++i, x += tabWidth)
        DrawTab(cr, images, x, tabWidth, i == 0 ? 2 : (i == 2 ? 1 : 0), titles[i]);
    DrawButton(cr, images, add, x, add.y, 0);
}

// A quiet stand-in for a web page in the page area.
void DrawMockPage(cairo_t* cr, const Rect& r) {
    cairo_save(cr);
    cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
    cairo_clip(cr);
    const int x = r.left + 48, width = std::max(0, r.Width() - 96);
    DrawText(cr, "Example Domain", "Sans Bold 20", Hex(0x1F2937), x, r.top + 40);
    const double lines[] = {1.0, 0.96, 0.88, 0.93, 0.55};
    for (int i = 0; i < 5; ++i)
        FillRect(cr, x, r.top + 96 + i * 22, width * lines[i], 9, Hex(0xE5E7EB));
    FillRect(cr, x, r.top + 226, 120, 9, palette::kAccent);
    cairo_restore(cr);
}

void DrawEditText(cairo_t* cr, int w, int h, const char* element, const std::string& text,
                  Rgba colour) {
    Rect r;
    ComputeAreaRect(w, h, Element(element), r);
    cairo_save(cr);
    cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
    cairo_clip(cr);
    DrawText(cr, text, "Sans 9", colour, r.left, r.top + (r.Height() - 15) / 2.0);
    cairo_restore(cr);
}

}  // namespace

SurfacePtr RenderBackground(const ImageSet& images, int w, int h) {
    SurfacePtr s = NewSurface(w, h);
    ContextPtr cr = NewContext(s.get());
    Rect rect;  // kept from element to element, as the background window does
    for (const char* name : kBackgroundOrder) {
        const SkinElement& e = Element(name);
        ComputeAreaRect(w, h, e, rect);
        Tile(cr.get(), Image(images, e.file), rect);
    }
    return s;
}

SurfacePtr RenderWindow(const ImageSet& images, int w, int h) {
    SurfacePtr s = RenderBackground(images, w, h);
    ContextPtr cr = NewContext(s.get());
    Rect content;
    ComputeAreaRect(w, h, Element("MAIN_CONTENT_AREA"), content);
    DrawMockPage(cr.get(), content);
    for (const char* name : kPlacedButtons) {
        const SkinElement& e = Element(name);
        const Rect r = PlaceButton(w, e);
        DrawButton(cr.get(), images, e, r.left, r.top, 0);
    }
    DrawTabs(cr.get(), images, w, h);
    DrawEditText(cr.get(), w, h, "TITLE_BAR_TEXT", "栎木网络互联测试版 - Example Domain",
                 Hex(0x0B487F));
    DrawEditText(cr.get(), w, h, "ADDRESS_PAGE_INPUT", "https://example.org/", Hex(0x202124));
    DrawEditText(cr.get(), w, h, "SEARCH_PAGE_INPUT", "", Hex(0x202124));
    DrawEditText(cr.get(), w, h, "STATE_BAR_TEXT", "加载完成", Hex(0x000000));
    return s;
}

}  // namespace skingen
