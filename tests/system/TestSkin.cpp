#include "system/TestSkin.h"

#include <cairo.h>

#include <filesystem>
#include <fstream>

#include "platform/gfx/Surface.h"

namespace qx::systest {
namespace {

void SetColor(cairo_t* cr, std::uint32_t argb) {
    cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0, (argb & 0xFF) / 255.0,
                          ((argb >> 24) & 0xFF) / 255.0);
}

// An image in one colour with an optional rectangle of a second colour over it.
void WriteImage(const std::string& path, int width, int height, std::uint32_t color, std::uint32_t second = 0,
                int x = 0, int y = 0, int w = 0, int h = 0) {
    gfx::Surface image(width, height);
    cairo_t* cr = cairo_create(image.cairo());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    SetColor(cr, color);
    cairo_paint(cr);
    if (w > 0 && h > 0) {
        SetColor(cr, second);
        cairo_rectangle(cr, x, y, w, h);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    image.WritePng(path);
}

// Rectangles in a window of W x H: see each line's comment.
constexpr const char* kSkinIni = R"([IMG]
BG_IMAGE=background.png
BTN_TITLE_MAX=max.png,80,4,36,26,R
BTN_TITLE_MAX2=restore.png,80,4,36,26,R
PROJECT_ICO=project.png,10,5,16,16,T
; (100, 40, 110, 60)
ADDRESS_BG_LEFT=boxl.png,100,40,10,20,L
; (110, 40, W - 300, 60)
ADDRESS_BG_MIDDLE=boxm.png,110,40,110-300,20,L
; no rule for anchor X: drawn over the middle's rectangle
ADDRESS_BG_RIGHT=boxr.png,300,40,10,20,X
; a missing file and a file that is no image: neither is drawn
SEARCH_BG_LEFT=missing.png,260,40,10,20,R
SEARCH_BG_MIDDLE=broken.png,250,40,250-60,20,RR
; (W - 60, 40, W - 50, 60)
SEARCH_BG_RIGHT=boxr.png,60,40,10,20,R
ADDRESS_PAGE_INPUT=none.png,120,44,120-310,16,L
SEARCH_PAGE_INPUT=none.png,240,44,240-70,16,RR
TITLE_BAR_TEXT=none.png,36,8,36-130,18,T
STATE_BAR_TEXT=none.png,10,18,10-10,16,B

[LAYOUT]
; (8, 0, W - 8, 30), tiles of 10 x 30
TITLE_BAR=title.png,8,0,8-8,30,T
TITLE_BARL=title_left.png,0,0,8,30,T
TITLE_BARR=title_right.png,8,0,8,30,R
; (0, 30, W, 70)
ADDRESS_BAR=address_bar.png,0,30,0-0,40,L
; (0, 70, W, 100)
TAB_BAR=tab_bar.png,0,70,0-0,30,L
; (0, 100, 40, H - 20)
LEFT_TOOLS_BAR=tools_bar.png,0,100,40,100-20,L
; (0, H - 20, W, H)
STATE_BAR=state_bar.png,0,20,0-0,20,B
; (40, 100, W, H - 20)
MAIN_CONTENT_AREA=content.png,40,100,40-0,100-20,L
; the borders run the whole length, so the corners lie over them
BODER_LEFT=border_v.png,0,0,1,0-0,L
BODER_RIGHT=border_v.png,1,0,1,0-0,R
BODER_TOP=border_h.png,0,0,0-0,1,T
BODER_BOTTOM=border_h.png,0,1,0-0,1,B
BODER_LEFT_TOP_CORNER=corner.png,0,0,8,8,T
BODER_RIGHT_TOP_CORNER=corner.png,8,0,8,8,R

[COLOR]
)";

}  // namespace

void WriteFlatImage(const std::string& path, int width, int height, std::uint32_t color) {
    WriteImage(path, width, height, color);
}

void WriteTestSkin(const std::string& folder, const TestSkinOptions& options) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "skin.ini") << kSkinIni << "BG_COLOR=" << options.backgroundColor << "\n";
    WriteImage(folder + "title.png", 10, 30, options.title, skin::kTitleMark, 0, 0, 1, 30);
    WriteFlatImage(folder + "title_left.png", 8, 30, skin::kTitleLeft);
    WriteFlatImage(folder + "title_right.png", 8, 30, skin::kTitleRight);
    WriteFlatImage(folder + "address_bar.png", 16, 40, skin::kAddressBar);
    WriteFlatImage(folder + "tab_bar.png", 16, 30, skin::kTabBar);
    WriteFlatImage(folder + "tools_bar.png", 40, 16, skin::kTools);
    WriteFlatImage(folder + "content.png", 32, 32, skin::kContent);
    WriteFlatImage(folder + "state_bar.png", 16, 20, skin::kState);
    WriteImage(folder + "project.png", 32, 32, skin::kProjectRest, skin::kProject, 0, 0, 16, 16);
    WriteFlatImage(folder + "border_v.png", 1, 16, skin::kBorder);
    WriteFlatImage(folder + "border_h.png", 16, 1, skin::kBorder);
    WriteFlatImage(folder + "corner.png", 8, 8, skin::kCorner);
    WriteFlatImage(folder + "boxl.png", 10, 20, skin::kBoxLeft);
    WriteFlatImage(folder + "boxm.png", 10, 20, skin::kBoxMiddle);
    WriteFlatImage(folder + "boxr.png", 10, 20, skin::kBoxRight);
    WriteFlatImage(folder + "none.png", 1, 1, 0);
    // The maximise button's two images tell apart by their widths.
    WriteFlatImage(folder + "max.png", 144, 26, 0xFF808080);
    WriteFlatImage(folder + "restore.png", 120, 26, 0xFF808080);
    std::ofstream(folder + "broken.png") << "not an image";
}

}  // namespace qx::systest
