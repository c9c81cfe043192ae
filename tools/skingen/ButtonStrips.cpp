#include "tools/skingen/ButtonStrips.h"

#include <cmath>
#include <cstdlib>
#include <functional>

#include "tools/skingen/AreaRule.h"
#include "tools/skingen/Glyphs.h"
#include "tools/skingen/Metrics.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinTable.h"

namespace skingen {

namespace {

using namespace metrics;
namespace pal = palette;

enum Frame { kNormal, kHover, kPressed, kDisabled };

// Draws one frame; the context's origin is the frame's top-left corner.
using FramePainter = std::function<void(cairo_t*, Frame)>;

SurfacePtr Strip(int fw, int fh, cairo_surface_t* backdrop, const FramePainter& paint) {
    SurfacePtr s = NewSurface(4 * fw, fh);
    ContextPtr cr = NewContext(s.get());
    for (Frame f : {kNormal, kHover, kPressed, kDisabled}) {
        cairo_save(cr.get());
        cairo_translate(cr.get(), f * fw, 0);
        cairo_rectangle(cr.get(), 0, 0, fw, fh);
        cairo_clip(cr.get());
        if (backdrop) {
            cairo_set_source_surface(cr.get(), backdrop, 0, 0);
            cairo_paint(cr.get());
        }
        paint(cr.get(), f);
        cairo_restore(cr.get());
    }
    return s;
}

void GlyphAt(cairo_t* cr, Glyph g, double x, double y, Rgba c, Frame f) {
    if (f == kDisabled) c.a *= pal::kDisabledAlpha;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    DrawGlyph(cr, g, c);
    cairo_restore(cr);
}

void Wash(cairo_t* cr, Frame f, double x, double y, double w, double h, double radius) {
    if (f != kHover && f != kPressed) return;
    RoundedRectPath(cr, x, y, w, h, radius);
    SetColour(cr, f == kHover ? pal::kHoverWash : pal::kPressedWash);
    cairo_fill(cr);
}

// A button of its element's size over the skin behind it, with a rounded wash on hover and
// press and its glyph centred.
SurfacePtr IconButton(cairo_surface_t* background, const SkinElement& e, Glyph g, Rgba colour,
                      double radius) {
    const Rect r = PlaceButton(kReferenceWidth, e);
    SurfacePtr backdrop = Crop(background, r.left, r.top, r.Width(), r.Height());
    const double gx = (r.Width() - 16) / 2, gy = (r.Height() - 16) / 2;
    return Strip(r.Width(), r.Height(), backdrop.get(), [&](cairo_t* cr, Frame f) {
        Wash(cr, f, 0, 0, r.Width(), r.Height(), radius);
        GlyphAt(cr, g, gx, gy, colour, f);
    });
}

SurfacePtr CloseButton(cairo_surface_t* background) {
    const SkinElement& e = Element("BTN_TITLE_CLOSE");
    const Rect r = PlaceButton(kReferenceWidth, e);
    SurfacePtr backdrop = Crop(background, r.left, r.top, r.Width(), r.Height());
    return Strip(r.Width(), r.Height(), backdrop.get(), [&](cairo_t* cr, Frame f) {
        Rgba glyph = pal::kGlyph;
        if (f == kHover || f == kPressed) {
            RoundedRectPath(cr, 0, 0, r.Width(), r.Height(), 5);
            SetColour(cr, f == kHover ? pal::kCloseRed : pal::kClosePressed);
            cairo_fill(cr);
            glyph = pal::kWhite;
        }
        GlyphAt(cr, Glyph::Close, (r.Width() - 16) / 2, (r.Height() - 16) / 2, glyph, f);
    });
}

// The tab background: a quiet divider when idle, a soft pill on hover, and a white tab with
// rounded top corners, open at the bottom into the page, when selected (also the pressed look).
SurfacePtr TabBackground(cairo_surface_t* background) {
    const int fw = kTabWidth, fh = kTabHeight;
    SurfacePtr backdrop = Crop(background, kTabStripX, kTabY, fw, fh);
    return Strip(fw, fh, backdrop.get(), [&](cairo_t* cr, Frame f) {
        switch (f) {
        case kNormal:
        case kDisabled: FillRect(cr, fw - 1, 8, 1, fh - 16, pal::kTabDivider); break;
        case kHover:
            RoundedRectPath(cr, 2, 3, fw - 4, fh - 5, 6);
            SetColour(cr, pal::kTabHover);
            cairo_fill(cr);
            break;
        case kPressed:
            TopRoundedRectPath(cr, 0, 2, fw, fh - 2, 7);
            SetColour(cr, pal::kPage);
            cairo_fill(cr);
            cairo_move_to(cr, 0.5, fh);
            cairo_arc(cr, 7.5, 9.5, 7, M_PI, 1.5 * M_PI);
            cairo_arc(cr, fw - 7.5, 9.5, 7, 1.5 * M_PI, 2 * M_PI);
            cairo_line_to(cr, fw - 0.5, fh);
            SetColour(cr, pal::kBoxBorder);
            cairo_set_line_width(cr, 1.0);
            cairo_stroke(cr);
            // One touch of the accent: a short bar along the selected tab's top.
            RoundedRectPath(cr, 10, 2.5, fw - 20, 2, 1);
            SetColour(cr, pal::kAccent);
            cairo_fill(cr);
            break;
        }
    });
}

// The close mark drawn on tabs: alpha all round, a grey disc behind it on hover and press.
SurfacePtr TabClose() {
    const int s = kTabCloseSize;
    return Strip(s, s, nullptr, [&](cairo_t* cr, Frame f) {
        if (f == kHover || f == kPressed) {
            cairo_arc(cr, s / 2.0, s / 2.0, s / 2.0, 0, 2 * M_PI);
            SetColour(cr, f == kHover ? pal::kCloseCircleHover : pal::kCloseCirclePressed);
            cairo_fill(cr);
        }
        GlyphAt(cr, Glyph::TabClose, 0, 0, f == kNormal ? pal::kGlyphMuted : pal::kGlyph, f);
    });
}

// The tab icon: the glyph at the frame's left, the rest of the frame is the gap before the text.
SurfacePtr TabIcon() {
    return Strip(kTabIconFrame, kTabIconSize, nullptr, [&](cairo_t* cr, Frame f) {
        GlyphAt(cr, Glyph::TabIcon, 0, (kTabIconSize - 16) / 2, pal::kWhite, f);
    });
}

SurfacePtr TabAdd(cairo_surface_t* background) {
    const int w = kTabAddWidth, h = kTabAddHeight;
    SurfacePtr backdrop = Crop(background, kTabStripX + kTabWidth, kTabAddY, w, h);
    return Strip(w, h, backdrop.get(), [&](cairo_t* cr, Frame f) {
        Wash(cr, f, 3, 0, w - 6, h, 6);
        GlyphAt(cr, Glyph::Plus, (w - 16) / 2, (h - 16) / 2, pal::kGlyph, f);
    });
}

}  // namespace

void DrawButtonStrips(ImageSet& images, cairo_surface_t* bg) {
    struct Icon {
        const char* element;
        Glyph glyph;
        Rgba colour;
        double radius;  // of the hover wash; half the size gives a disc
    };
    const Icon icons[] = {
        {"BTN_TITLE_MAX", Glyph::Maximise, pal::kGlyph, 5},
        {"BTN_TITLE_MAX2", Glyph::Restore, pal::kGlyph, 5},
        {"BTN_TITLE_MIN", Glyph::Minimise, pal::kGlyph, 5},
        {"BTN_TASK_ICO", Glyph::Tasks, pal::kGlyph, 6},
        {"BTN_CONTACTS_ICO", Glyph::Contacts, pal::kGlyph, 6},
        {"BTN_NOTEPAD_ICO", Glyph::Notepad, pal::kGlyph, 6},
        {"BTN_FAVORITES_ICO", Glyph::Star, pal::kGlyph, 6},
        {"BTN_BACK", Glyph::Back, pal::kGlyph, 6},
        {"BTN_FORWARD", Glyph::Forward, pal::kGlyph, 6},
        {"BTN_STOP", Glyph::Stop, pal::kGlyph, 6},
        {"BTN_REFRESH", Glyph::Refresh, pal::kGlyph, 6},
        {"BTN_HOME", Glyph::Home, pal::kGlyph, 6},
        {"BTN_SETTING", Glyph::Settings, pal::kGlyph, 6},
        {"ADDRESS_PAGE_ICO", Glyph::Globe, pal::kGlyphMuted, 12},
        {"ADDRESS_PAGE_GOTO", Glyph::Go, pal::kGlyphMuted, 12},
        {"SEARCH_PAGE_ICO", Glyph::Engine1, pal::kWhite, 12},
        {"SEARCH_PAGE_ICO2", Glyph::Engine2, pal::kWhite, 12},
        {"SEARCH_PAGE_GOTO", Glyph::Magnifier, pal::kGlyphMuted, 12},
    };
    for (const Icon& i : icons) {
        const SkinElement& e = Element(i.element);
        images[e.file] = IconButton(bg, e, i.glyph, i.colour, i.radius);
    }
    images[Element("BTN_TITLE_CLOSE").file] = CloseButton(bg);
    images[Element("TAB_PAGE_BG").file] = TabBackground(bg);
    images[Element("TAB_PAGE_CLOSE").file] = TabClose();
    images[Element("TAB_PAGE_ICO").file] = TabIcon();
    images[Element("TAB_PAGE_ADD").file] = TabAdd(bg);
}

}  // namespace skingen
