#pragma once
// Geometry of the default skin, in pixels from the window's top-left corner (or, for elements
// anchored right or bottom, from the right or bottom edge). The skin.ini values and the image
// sizes are both made from these numbers, so they cannot drift apart.

namespace skingen::metrics {

// Window frame.
constexpr int kCorner = 8;  // radius of the two rounded top corners, and their image size

// Horizontal bands, top to bottom.
constexpr int kTitleHeight = 34;
constexpr int kAddressTop = kTitleHeight;
constexpr int kAddressHeight = 40;
constexpr int kTabBarTop = kAddressTop + kAddressHeight;
constexpr int kTabBarHeight = 34;
constexpr int kContentTop = kTabBarTop + kTabBarHeight;
constexpr int kStatusHeight = 24;
constexpr int kToolColumnWidth = 40;

// Title bar: icon, text, and the window buttons at the right.
constexpr int kIconX = 12, kIconY = 9, kIconSize = 16;
constexpr int kTitleTextX = 36, kTitleTextY = 8, kTitleTextHeight = 18;
constexpr int kCaptionButtonWidth = 36, kCaptionButtonHeight = 26, kCaptionButtonY = 4;
constexpr int kCloseRight = 44;  // distance of the close button's left edge from the right edge
constexpr int kTitleTextRightGap = kCloseRight + 2 * kCaptionButtonWidth + 14;

// Address bar: navigation buttons, address box (stretches), search box (right), settings.
constexpr int kNavButtonSize = 30, kNavButtonY = 39, kNavFirstX = 8, kNavStep = 32;
constexpr int kSettingRight = 40;
constexpr int kBoxY = 39, kBoxHeight = 30, kBoxCap = 15;  // pill-shaped boxes
constexpr int kBoxButtonSize = 24, kBoxButtonY = 42;
constexpr int kBoxInputY = 44, kBoxInputHeight = 20;
constexpr int kBoxButtonInset = 10;  // keeps square buttons clear of the rounded ends

constexpr int kAddressLeft = kNavFirstX + 4 * kNavStep + kNavButtonSize + 6;
constexpr int kSearchWidth = 210;
constexpr int kSearchRightGap = 48;  // from the search box's right end to the window's right edge
constexpr int kSearchLeftRight = kSearchRightGap + kSearchWidth;  // its left end, from the right
constexpr int kBoxGap = 8;
constexpr int kAddressRightRight = kSearchLeftRight + kBoxGap;  // address box right end, from right

// Tab strip.
constexpr int kTabStripX = 3;
constexpr int kTabStripRightGap = 43;
constexpr int kTabY = kTabBarTop + 4, kTabHeight = kTabBarHeight - 4, kTabWidth = 216;
constexpr int kTabCloseRight = 26, kTabCloseY = 9, kTabCloseSize = 16;
constexpr int kTabIconX = 10, kTabIconY = 9, kTabIconSize = 16, kTabIconFrame = 20;
constexpr int kTabAddWidth = 32, kTabAddHeight = 26, kTabAddY = kTabBarTop + 6;

// Left tools column buttons.
constexpr int kToolButtonSize = 28, kToolButtonX = 6, kToolButtonFirstY = kContentTop + 8;
constexpr int kToolButtonStep = 34;

// Status bar text.
constexpr int kStatusTextX = 10, kStatusTextBottom = 20, kStatusTextHeight = 16;

// Size the preview and the button backdrops are composed at.
constexpr int kReferenceWidth = 1024, kReferenceHeight = 640;

}  // namespace skingen::metrics
