// The default skin that ships beside the program: every element the browser reads is there,
// well formed, and names a PNG that loads and suits the way it is drawn.

#include <cairo.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/Profile.h"
#include "platform/base/Strings.h"
#include "skin/AreaRect.h"
#include "skin/ButtonPlacement.h"
#include "skin/SkinColor.h"

namespace {

const std::string kSkinFolder = QX_SOURCE_DIR "/dist/skin/Default/";

enum class Kind { ImageName, Colour, Button, Area };

struct ElementSpec {
    const char* name;
    const char* section;
    Kind kind;
};

// The browser's element table: every key it reads from skin.ini, and how it reads it.
const ElementSpec kElements[] = {
    {"BG_IMAGE", "IMG", Kind::ImageName},
    {"BG_COLOR", "COLOR", Kind::Colour},
    {"BTN_TITLE_CLOSE", "IMG", Kind::Button},
    {"BTN_TITLE_MAX", "IMG", Kind::Button},
    {"BTN_TITLE_MAX2", "IMG", Kind::Button},
    {"BTN_TITLE_MIN", "IMG", Kind::Button},
    {"BTN_TASK_ICO", "IMG", Kind::Button},
    {"BTN_CONTACTS_ICO", "IMG", Kind::Button},
    {"BTN_NOTEPAD_ICO", "IMG", Kind::Button},
    {"BTN_FAVORITES_ICO", "IMG", Kind::Button},
    {"BTN_BACK", "IMG", Kind::Button},
    {"BTN_FORWARD", "IMG", Kind::Button},
    {"BTN_STOP", "IMG", Kind::Button},
    {"BTN_REFRESH", "IMG", Kind::Button},
    {"BTN_HOME", "IMG", Kind::Button},
    {"BTN_SETTING", "IMG", Kind::Button},
    {"ADDRESS_PAGE_ICO", "IMG", Kind::Button},
    {"ADDRESS_PAGE_GOTO", "IMG", Kind::Button},
    {"SEARCH_PAGE_ICO", "IMG", Kind::Button},
    {"SEARCH_PAGE_ICO2", "IMG", Kind::Button},
    {"SEARCH_PAGE_GOTO", "IMG", Kind::Button},
    {"TITLE_BAR", "LAYOUT", Kind::Area},
    {"TITLE_BARL", "LAYOUT", Kind::Area},
    {"TITLE_BARR", "LAYOUT", Kind::Area},
    {"ADDRESS_BAR", "LAYOUT", Kind::Area},
    {"TAB_BAR", "LAYOUT", Kind::Area},
    {"LEFT_TOOLS_BAR", "LAYOUT", Kind::Area},
    {"STATE_BAR", "LAYOUT", Kind::Area},
    {"MAIN_CONTENT_AREA", "LAYOUT", Kind::Area},
    {"PROJECT_ICO", "IMG", Kind::Area},
    {"BODER_LEFT", "LAYOUT", Kind::Area},
    {"BODER_RIGHT", "LAYOUT", Kind::Area},
    {"BODER_TOP", "LAYOUT", Kind::Area},
    {"BODER_BOTTOM", "LAYOUT", Kind::Area},
    {"BODER_LEFT_TOP_CORNER", "LAYOUT", Kind::Area},
    {"BODER_RIGHT_TOP_CORNER", "LAYOUT", Kind::Area},
    {"ADDRESS_BG_LEFT", "IMG", Kind::Area},
    {"ADDRESS_BG_MIDDLE", "IMG", Kind::Area},
    {"ADDRESS_BG_RIGHT", "IMG", Kind::Area},
    {"SEARCH_BG_LEFT", "IMG", Kind::Area},
    {"SEARCH_BG_MIDDLE", "IMG", Kind::Area},
    {"SEARCH_BG_RIGHT", "IMG", Kind::Area},
    {"ADDRESS_PAGE_INPUT", "IMG", Kind::Area},
    {"SEARCH_PAGE_INPUT", "IMG", Kind::Area},
    {"TITLE_BAR_TEXT", "IMG", Kind::Area},
    {"STATE_BAR_TEXT", "IMG", Kind::Area},
    {"TAB_BG", "IMG", Kind::Area},
    {"TAB_PAGE_BG", "IMG", Kind::Button},
    {"TAB_PAGE_CLOSE", "IMG", Kind::Button},
    {"TAB_PAGE_ADD", "IMG", Kind::Button},
    {"TAB_PAGE_ICO", "IMG", Kind::Button},
};

// Buttons that are not drawn straight onto the main window: the tab's close mark and icon are
// drawn over the (opaque) tab, so they may be transparent.
bool DrawnOverATab(const std::string& name) {
    return name == "TAB_PAGE_CLOSE" || name == "TAB_PAGE_ICO";
}

// The tab strip computes where its elements go; their x is not a window position.
bool PlacedByTheTabStrip(const std::string& name) { return name.rfind("TAB_PAGE_", 0) == 0; }

std::optional<std::string> ReadValue(const std::string& section, const std::string& key) {
    const std::u16string missing = u"\x01missing";
    WCHAR buffer[260] = {};
    const std::u16string file = qx::Utf8ToWide(kSkinFolder + "skin.ini");
    GetPrivateProfileStringW(qx::Utf8ToWide(section).c_str(), qx::Utf8ToWide(key).c_str(),
                             missing.c_str(), buffer, 260, file.c_str());
    if (buffer == missing) return std::nullopt;
    return qx::WideToUtf8(buffer);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == separator)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

bool IsInteger(const std::string& s) {
    if (s.empty()) return false;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (!(std::isdigit(static_cast<unsigned char>(s[i])) || (i == 0 && s[i] == '-'))) return false;
    return s != "-";
}

// A size rule: n, or a-b with two unsigned numbers.
bool IsSizeRule(const std::string& s) {
    const auto parts = Split(s, '-');
    if (parts.size() == 1) return IsInteger(s);
    return parts.size() == 2 && IsInteger(parts[0]) && IsInteger(parts[1]);
}

struct Location {
    std::string file;
    int x = 0, y = 0;
    std::string width, height, anchor;
};

Location ReadLocation(const ElementSpec& e) {
    const auto f = Split(ReadValue(e.section, e.name).value_or(""), ',');
    if (f.size() != 6) return {};
    return {f[0], std::stoi(f[1]), std::stoi(f[2]), f[3], f[4], f[5]};
}

// The image file an element names, or nothing for the colour.
std::optional<std::string> ImageOf(const ElementSpec& e) {
    if (e.kind == Kind::Colour) return std::nullopt;
    if (e.kind == Kind::ImageName) return ReadValue(e.section, e.name).value_or("");
    return ReadLocation(e).file;
}

struct Png {
    explicit Png(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Png() { cairo_surface_destroy(surface); }
    Png(const Png&) = delete;
    Png& operator=(const Png&) = delete;

    bool Loaded() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int Width() const { return cairo_image_surface_get_width(surface); }
    int Height() const { return cairo_image_surface_get_height(surface); }
    // 0xAARRGGBB, premultiplied; the PNGs are loaded as ARGB32 or RGB24.
    std::uint32_t Pixel(int x, int y) const {
        const auto* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        std::uint32_t p = reinterpret_cast<const std::uint32_t*>(row)[x];
        if (cairo_image_surface_get_format(surface) == CAIRO_FORMAT_RGB24) p |= 0xFF000000u;
        return p;
    }

    cairo_surface_t* surface;
};

TEST(DefaultSkin, DefinesEveryElementInItsSection) {
    for (const ElementSpec& e : kElements) {
        const auto value = ReadValue(e.section, e.name);
        ASSERT_TRUE(value.has_value()) << e.section << " " << e.name << " is missing";
        EXPECT_FALSE(value->empty()) << e.section << " " << e.name << " is empty";
    }
}

TEST(DefaultSkin, LocationValuesHaveSixWellFormedFields) {
    for (const ElementSpec& e : kElements) {
        if (e.kind != Kind::Button && e.kind != Kind::Area) continue;
        const std::string value = ReadValue(e.section, e.name).value_or("");
        const auto f = Split(value, ',');
        ASSERT_EQ(f.size(), 6u) << e.name << "=" << value;
        EXPECT_FALSE(f[0].empty()) << e.name;
        EXPECT_TRUE(IsInteger(f[1]) && IsInteger(f[2])) << e.name << "=" << value;
        if (e.kind == Kind::Button) {
            EXPECT_TRUE(IsInteger(f[3]) && IsInteger(f[4])) << e.name << "=" << value;
        } else {
            EXPECT_TRUE(IsSizeRule(f[3]) && IsSizeRule(f[4])) << e.name << "=" << value;
        }
        // Anchors are compared exactly, so a stray blank or lower-case letter would disable the
        // element's rectangle rule.
        EXPECT_TRUE(f[5] == "T" || f[5] == "L" || f[5] == "B" || f[5] == "R" || f[5] == "RR")
            << e.name << " anchor '" << f[5] << "'";
    }
}

TEST(DefaultSkin, EveryNamedImageLoadsAsANonEmptyPng) {
    for (const ElementSpec& e : kElements) {
        const auto file = ImageOf(e);
        if (!file) continue;
        ASSERT_FALSE(file->empty()) << e.name;
        const Png png(kSkinFolder + *file);
        ASSERT_TRUE(png.Loaded()) << e.name << ": " << *file << " does not load as a PNG";
        EXPECT_GT(png.Width(), 0) << e.name;
        EXPECT_GT(png.Height(), 0) << e.name;
    }
}

TEST(DefaultSkin, ButtonStripsHoldFourFramesOfTheButtonsSize) {
    for (const ElementSpec& e : kElements) {
        if (e.kind != Kind::Button) continue;
        const Location loc = ReadLocation(e);
        const Png png(kSkinFolder + loc.file);
        ASSERT_TRUE(png.Loaded()) << e.name;
        EXPECT_EQ(png.Width() % 4, 0) << e.name << ": " << loc.file << " is " << png.Width() << " wide";
        // A frame is drawn unscaled from the button's top-left corner: a smaller frame leaves
        // part of the button unpainted, a larger one is cut. Tab backgrounds are stretched.
        if (e.name == std::string("TAB_PAGE_BG")) continue;
        EXPECT_EQ(png.Width() / 4, std::stoi(loc.width)) << e.name;
        EXPECT_EQ(png.Height(), std::stoi(loc.height)) << e.name;
    }
}

TEST(DefaultSkin, ButtonsOnTheColourKeyedMainWindowAreOpaque) {
    // The main window's background is the colour key; a half-transparent pixel drawn over it
    // blends with the key colour and shows as a coloured fringe, and a pixel of exactly the key
    // colour would be punched through.
    const COLORREF key = ParseSkinColor(qx::Utf8ToWide(ReadValue("COLOR", "BG_COLOR").value_or("")));
    const std::uint32_t keyArgb =
        0xFF000000u | (GetRValue(key) << 16) | (GetGValue(key) << 8) | GetBValue(key);
    for (const ElementSpec& e : kElements) {
        if (e.kind != Kind::Button || DrawnOverATab(e.name)) continue;
        const Png png(kSkinFolder + ReadLocation(e).file);
        ASSERT_TRUE(png.Loaded()) << e.name;
        cairo_surface_flush(png.surface);
        int translucent = 0, keyed = 0;
        for (int y = 0; y < png.Height(); ++y)
            for (int x = 0; x < png.Width(); ++x) {
                const std::uint32_t p = png.Pixel(x, y);
                translucent += (p >> 24) != 0xFF;
                keyed += p == keyArgb;
            }
        EXPECT_EQ(translucent, 0) << e.name << ": pixels that are not fully opaque";
        EXPECT_EQ(keyed, 0) << e.name << ": pixels of the key colour";
    }
}

TEST(DefaultSkin, BackgroundColourIsItsOwnColourKey) {
    const auto text = ReadValue("COLOR", "BG_COLOR");
    ASSERT_TRUE(text.has_value());
    ASSERT_EQ(text->size(), 6u) << *text;
    EXPECT_EQ(text->find_first_not_of("0123456789ABCDEFabcdef"), std::string::npos) << *text;
    // The main window keys out its background colour with red and blue exchanged; with equal
    // red and blue the key is the brush itself, so every background pixel is transparent.
    const COLORREF colour = ParseSkinColor(qx::Utf8ToWide(*text));
    EXPECT_EQ(colour, RGB(0xFF, 0x00, 0xFF));
    EXPECT_EQ(GetRValue(colour), GetBValue(colour));
}

TEST(DefaultSkin, AreasAndButtonsStayInsideTheWindowAtEverySize) {
    struct Size { LONG w, h; };
    // The smallest window the browser allows, the preview size, a common desktop, 4K.
    const Size sizes[] = {{600, 400}, {1024, 640}, {1632, 884}, {3840, 2160}};
    for (const Size& s : sizes) {
        const RECT window{0, 0, s.w, s.h};
        for (const ElementSpec& e : kElements) {
            const Location loc = ReadLocation(e);
            if (e.kind == Kind::Area) {
                CQXAreaLocationModel area;
                area.m_nX = loc.x;
                area.m_nY = loc.y;
                area.m_strWidth = qx::Utf8ToWide(loc.width);
                area.m_strHeight = qx::Utf8ToWide(loc.height);
                area.m_strAnchor = qx::Utf8ToWide(loc.anchor);
                RECT r{};
                ComputeAreaRect(window, area, r);
                EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= s.w && r.bottom <= s.h &&
                            r.left < r.right && r.top < r.bottom)
                    << e.name << " at " << s.w << "x" << s.h << ": (" << r.left << ", " << r.top
                    << ", " << r.right << ", " << r.bottom << ")";
            } else if (e.kind == Kind::Button && !PlacedByTheTabStrip(e.name)) {
                const ButtonPlacement p = ComputeButtonPlacement(
                    window, loc.x, loc.y, std::stoi(loc.width), std::stoi(loc.height),
                    qx::Utf8ToWide(loc.anchor));
                EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x + p.nWidth <= s.w && p.y + p.nHeight <= s.h)
                    << e.name << " at " << s.w << "x" << s.h;
            }
        }
    }
}

}  // namespace
