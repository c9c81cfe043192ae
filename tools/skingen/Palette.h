#pragma once
// The default skin's colours: calm neutral greys and white, one blue accent, one red for close.

#include "tools/skingen/Painter.h"

namespace skingen::palette {

constexpr Rgba kChrome = Hex(0xF1F3F6);      // title and address bars, status bar
constexpr Rgba kTabBar = Hex(0xE3E6EB);      // the strip the tabs stand on
constexpr Rgba kToolColumn = Hex(0xF7F8FA);  // left tools column
constexpr Rgba kPage = Hex(0xFFFFFF);        // page area, boxes, selected tab
constexpr Rgba kSeparator = Hex(0xD5D9DF);   // 1px lines between areas
constexpr Rgba kBoxBorder = Hex(0xC9CED6);   // address and search boxes, selected tab
constexpr Rgba kWindowBorder = Hex(0xA8AFB9);
constexpr Rgba kTabHover = Hex(0xEEF0F3);
constexpr Rgba kTabDivider = Hex(0xC3C8D0);

constexpr Rgba kGlyph = Hex(0x3C4148);       // icons
constexpr Rgba kGlyphMuted = Hex(0x6B7280);  // icons inside boxes
constexpr Rgba kAccent = Hex(0x2F6FE4);
constexpr Rgba kAccentLight = Hex(0x5B8EF0);
constexpr Rgba kEngine2 = Hex(0x139A5B);
constexpr Rgba kEngine2Light = Hex(0x3DB97C);
constexpr Rgba kCloseRed = Hex(0xE5484D);
constexpr Rgba kClosePressed = Hex(0xC4373B);
constexpr Rgba kWhite = Hex(0xFFFFFF);

// Hover and pressed washes laid over whatever a button sits on.
constexpr Rgba kHoverWash = Hex(0x1F2937, 0.075);
constexpr Rgba kPressedWash = Hex(0x1F2937, 0.14);
constexpr Rgba kCloseCircleHover = Hex(0xD3D7DD);
constexpr Rgba kCloseCirclePressed = Hex(0xC2C7CF);
constexpr double kDisabledAlpha = 0.35;

// The main window's colour key: red equals blue, so the key is the brush colour itself.
constexpr const char* kBackgroundColour = "FF00FF";

}  // namespace skingen::palette
