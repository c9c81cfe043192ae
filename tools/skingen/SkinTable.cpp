#include "tools/skingen/SkinTable.h"

#include <cstdio>
#include <cstdlib>

#include "tools/skingen/Metrics.h"
#include "tools/skingen/Palette.h"

namespace skingen {

namespace {

using namespace metrics;

std::string N(int n) { return std::to_string(n); }
// The two-number size rule a-b: the parent's length less a and b (under RR: a less b).
std::string Rule(int a, int b) { return N(a) + "-" + N(b); }

SkinElement Button(const char* name, const char* file, int x, int y, int w, int h,
                   const char* anchor) {
    return {name, Section::Img, Kind::Button, file, x, y, N(w), N(h), anchor};
}

SkinElement Area(const char* name, Section section, const char* file, int x, int y,
                 std::string w, std::string h, const char* anchor) {
    return {name, section, Kind::Area, file, x, y, std::move(w), std::move(h), anchor};
}

std::vector<SkinElement> MakeTable() {
    const Section img = Section::Img;
    const Section layout = Section::Layout;
    const int nav = kNavButtonSize;
    const int cap = kCaptionButtonWidth;
    // The page area and the tools column run from below the tab bar to above the status bar.
    const std::string contentHeight = Rule(kContentTop, kStatusHeight);

    // Address box: fixed left end, stretching middle, right end anchored right.
    const int addressMiddleX = kAddressLeft + kBoxCap;
    const int addressRightX = kAddressRightRight + kBoxCap;
    const int addressGoX = kAddressRightRight + kBoxButtonInset + kBoxButtonSize;
    const int addressInputX = kAddressLeft + kBoxButtonInset + kBoxButtonSize + 4;
    // Search box: all of it anchored right, a fixed width.
    const int searchMiddleX = kSearchLeftRight - kBoxCap;
    const int searchRightX = kSearchRightGap + kBoxCap;
    const int engineX = kSearchLeftRight - kBoxButtonInset;
    const int searchGoX = kSearchRightGap + kBoxButtonInset + kBoxButtonSize;
    const int searchInputX = engineX - kBoxButtonSize - 4;

    return {
        {"BG_IMAGE", img, Kind::Image, "background.png", 0, 0, "", "", ""},
        {"BG_COLOR", Section::Color, Kind::Colour, palette::kBackgroundColour, 0, 0, "", "", ""},
        Button("BTN_TITLE_CLOSE", "btn_close.png", kCloseRight, kCaptionButtonY, cap,
               kCaptionButtonHeight, "R"),
        Button("BTN_TITLE_MAX", "btn_max.png", kCloseRight + cap, kCaptionButtonY, cap,
               kCaptionButtonHeight, "R"),
        Button("BTN_TITLE_MAX2", "btn_restore.png", kCloseRight + cap, kCaptionButtonY, cap,
               kCaptionButtonHeight, "R"),
        Button("BTN_TITLE_MIN", "btn_min.png", kCloseRight + 2 * cap, kCaptionButtonY, cap,
               kCaptionButtonHeight, "R"),
        Button("BTN_TASK_ICO", "btn_tasks.png", kToolButtonX, kToolButtonFirstY, kToolButtonSize,
               kToolButtonSize, "L"),
        Button("BTN_CONTACTS_ICO", "btn_contacts.png", kToolButtonX,
               kToolButtonFirstY + kToolButtonStep, kToolButtonSize, kToolButtonSize, "L"),
        Button("BTN_NOTEPAD_ICO", "btn_notepad.png", kToolButtonX,
               kToolButtonFirstY + 2 * kToolButtonStep, kToolButtonSize, kToolButtonSize, "L"),
        Button("BTN_FAVORITES_ICO", "btn_favorites.png", kToolButtonX,
               kToolButtonFirstY + 3 * kToolButtonStep, kToolButtonSize, kToolButtonSize, "L"),
        Button("BTN_BACK", "btn_back.png", kNavFirstX, kNavButtonY, nav, nav, "L"),
        Button("BTN_FORWARD", "btn_forward.png", kNavFirstX + kNavStep, kNavButtonY, nav, nav, "L"),
        Button("BTN_STOP", "btn_stop.png", kNavFirstX + 2 * kNavStep, kNavButtonY, nav, nav, "L"),
        Button("BTN_REFRESH", "btn_refresh.png", kNavFirstX + 3 * kNavStep, kNavButtonY, nav, nav,
               "L"),
        Button("BTN_HOME", "btn_home.png", kNavFirstX + 4 * kNavStep, kNavButtonY, nav, nav, "L"),
        Button("BTN_SETTING", "btn_setting.png", kSettingRight, kNavButtonY, nav, nav, "R"),
        Button("ADDRESS_PAGE_ICO", "address_page.png", kAddressLeft + kBoxButtonInset, kBoxButtonY,
               kBoxButtonSize, kBoxButtonSize, "L"),
        Button("ADDRESS_PAGE_GOTO", "address_go.png", addressGoX, kBoxButtonY, kBoxButtonSize,
               kBoxButtonSize, "R"),
        Button("SEARCH_PAGE_ICO", "search_engine1.png", engineX, kBoxButtonY, kBoxButtonSize,
               kBoxButtonSize, "R"),
        Button("SEARCH_PAGE_ICO2", "search_engine2.png", engineX, kBoxButtonY, kBoxButtonSize,
               kBoxButtonSize, "R"),
        Button("SEARCH_PAGE_GOTO", "search_go.png", searchGoX, kBoxButtonY, kBoxButtonSize,
               kBoxButtonSize, "R"),
        Area("TITLE_BAR", layout, "title_bar.png", kCorner, 0, Rule(kCorner, kCorner),
             N(kTitleHeight), "T"),
        Area("TITLE_BARL", layout, "title_bar_left.png", 0, 0, N(kCorner), N(kTitleHeight), "T"),
        Area("TITLE_BARR", layout, "title_bar_right.png", kCorner, 0, N(kCorner),
             N(kTitleHeight), "R"),
        Area("ADDRESS_BAR", layout, "address_bar.png", 0, kAddressTop, Rule(0, 0),
             N(kAddressHeight), "L"),
        Area("TAB_BAR", layout, "tab_bar.png", 0, kTabBarTop, Rule(0, 0), N(kTabBarHeight), "L"),
        Area("LEFT_TOOLS_BAR", layout, "tools_bar.png", 0, kContentTop, N(kToolColumnWidth),
             contentHeight, "L"),
        Area("STATE_BAR", layout, "state_bar.png", 0, kStatusHeight, Rule(0, 0),
             N(kStatusHeight), "B"),
        // One pixel short of the right edge: the window's right border stays visible.
        Area("MAIN_CONTENT_AREA", layout, "content.png", kToolColumnWidth, kContentTop,
             Rule(kToolColumnWidth, 1), contentHeight, "L"),
        Area("PROJECT_ICO", img, "project.png", kIconX, kIconY, N(kIconSize), N(kIconSize), "T"),
        Area("BODER_LEFT", layout, "border_v.png", 0, kCorner, N(1), Rule(kCorner, 0), "L"),
        Area("BODER_RIGHT", layout, "border_v.png", 1, kCorner, N(1), Rule(kCorner, 0), "R"),
        Area("BODER_TOP", layout, "border_h.png", kCorner, 0, Rule(kCorner, kCorner), N(1), "T"),
        Area("BODER_BOTTOM", layout, "border_h.png", 0, 1, Rule(0, 0), N(1), "B"),
        Area("BODER_LEFT_TOP_CORNER", layout, "corner_left.png", 0, 0, N(kCorner), N(kCorner),
             "T"),
        Area("BODER_RIGHT_TOP_CORNER", layout, "corner_right.png", kCorner, 0, N(kCorner),
             N(kCorner), "R"),
        Area("ADDRESS_BG_LEFT", img, "box_left.png", kAddressLeft, kBoxY, N(kBoxCap),
             N(kBoxHeight), "L"),
        Area("ADDRESS_BG_MIDDLE", img, "box_middle.png", addressMiddleX, kBoxY,
             Rule(addressMiddleX, addressRightX), N(kBoxHeight), "L"),
        Area("ADDRESS_BG_RIGHT", img, "box_right.png", addressRightX, kBoxY, N(kBoxCap),
             N(kBoxHeight), "R"),
        Area("SEARCH_BG_LEFT", img, "box_left.png", kSearchLeftRight, kBoxY, N(kBoxCap),
             N(kBoxHeight), "R"),
        // RR with a-b: from a to b pixels left of the right edge.
        Area("SEARCH_BG_MIDDLE", img, "box_middle.png", searchMiddleX, kBoxY,
             Rule(searchMiddleX, searchRightX), N(kBoxHeight), "RR"),
        Area("SEARCH_BG_RIGHT", img, "box_right.png", searchRightX, kBoxY, N(kBoxCap),
             N(kBoxHeight), "R"),
        Area("ADDRESS_PAGE_INPUT", img, "none.png", addressInputX, kBoxInputY,
             Rule(addressInputX, addressGoX + 4), N(kBoxInputHeight), "L"),
        Area("SEARCH_PAGE_INPUT", img, "none.png", searchInputX, kBoxInputY,
             Rule(searchInputX, searchGoX + 4), N(kBoxInputHeight), "RR"),
        Area("TITLE_BAR_TEXT", img, "none.png", kTitleTextX, kTitleTextY,
             Rule(kTitleTextX, kTitleTextRightGap), N(kTitleTextHeight), "T"),
        Area("STATE_BAR_TEXT", img, "none.png", kStatusTextX, kStatusTextBottom,
             Rule(kStatusTextX, kStatusTextX), N(kStatusTextHeight), "B"),
        Area("TAB_BG", img, "tab_bar.png", kTabStripX, kTabBarTop,
             Rule(kTabStripX, kTabStripRightGap), N(kTabBarHeight), "L"),
        // The tab strip reads y, width (the widest tab) and height; x and anchor are unused.
        Button("TAB_PAGE_BG", "tab.png", kTabStripX, kTabY, kTabWidth, kTabHeight, "L"),
        // x is measured from the tab's right edge, y from its top.
        Button("TAB_PAGE_CLOSE", "tab_close.png", kTabCloseRight, kTabCloseY, kTabCloseSize,
               kTabCloseSize, "R"),
        Button("TAB_PAGE_ADD", "tab_add.png", 0, kTabAddY, kTabAddWidth, kTabAddHeight, "L"),
        // The tab's text starts at x + width: the frame carries the gap after the icon.
        Button("TAB_PAGE_ICO", "tab_icon.png", kTabIconX, kTabIconY, kTabIconFrame, kTabIconSize,
               "L"),
    };
}

}  // namespace

std::string SkinElement::Value() const {
    if (kind == Kind::Image || kind == Kind::Colour) return file;
    return file + "," + N(x) + "," + N(y) + "," + width + "," + height + "," + anchor;
}

const std::vector<SkinElement>& DefaultSkin() {
    static const std::vector<SkinElement> table = MakeTable();
    return table;
}

const SkinElement& Element(const std::string& name) {
    for (const SkinElement& e : DefaultSkin())
        if (e.name == name) return e;
    std::fprintf(stderr, "qx_skingen: no element %s\n", name.c_str());
    std::abort();
}

const char* SectionName(Section s) {
    switch (s) {
    case Section::Img: return "IMG";
    case Section::Layout: return "LAYOUT";
    case Section::Color: return "COLOR";
    }
    return "";
}

std::string SkinIniText() {
    std::string text =
        "; Default skin of the browser. Generated by tools/skingen (cmake --build <dir> --target\n"
        "; skin-images); edit the generator, not this file.\n";
    for (Section s : {Section::Img, Section::Layout, Section::Color}) {
        text += std::string("\n[") + SectionName(s) + "]\n";
        for (const SkinElement& e : DefaultSkin())
            if (e.section == s) text += e.name + "=" + e.Value() + "\n";
    }
    return text;
}

}  // namespace skingen
