#pragma once
// A small skin of the tests' own, written into a folder at run time: flat-colour images (a few
// with a marker column or a second colour, so tiling and cutting show in pixels) and a skin.ini
// whose rectangles are easy to reckon with. Colours are opaque ARGB as composed images hold them.

#include <cstdint>
#include <string>

namespace qx::systest {

namespace skin {
inline constexpr std::uint32_t kTitle = 0xFF2040A0;        // TITLE_BAR, a 10 x 30 tile ...
inline constexpr std::uint32_t kTitleMark = 0xFFF0F000;    // ... whose first column is this
inline constexpr std::uint32_t kTitleLeft = 0xFF102030;    // TITLE_BARL
inline constexpr std::uint32_t kTitleRight = 0xFF302010;   // TITLE_BARR
inline constexpr std::uint32_t kAddressBar = 0xFF40C040;   // ADDRESS_BAR
inline constexpr std::uint32_t kTabBar = 0xFF408080;       // TAB_BAR
inline constexpr std::uint32_t kTools = 0xFF804080;        // LEFT_TOOLS_BAR
inline constexpr std::uint32_t kContent = 0xFFE0E0E0;      // MAIN_CONTENT_AREA
inline constexpr std::uint32_t kState = 0xFF606060;        // STATE_BAR
inline constexpr std::uint32_t kProject = 0xFFC02020;      // PROJECT_ICO: the image's top-left 16 x 16 ...
inline constexpr std::uint32_t kProjectRest = 0xFF20C0C0;  // ... and the rest of its 32 x 32
inline constexpr std::uint32_t kBorder = 0xFF000080;       // the four borders
inline constexpr std::uint32_t kCorner = 0xFFFF8000;       // both top corners
inline constexpr std::uint32_t kBoxLeft = 0xFFA0A000;      // ADDRESS_BG_LEFT
inline constexpr std::uint32_t kBoxMiddle = 0xFF00A0A0;    // ADDRESS_BG_MIDDLE, drawn over by ...
inline constexpr std::uint32_t kBoxRight = 0xFFA000A0;     // ... ADDRESS_BG_RIGHT and SEARCH_BG_RIGHT
}  // namespace skin

struct TestSkinOptions {
    std::uint32_t title = skin::kTitle;  // lets two skins tell apart
    std::string backgroundColor = "FF00FF";
};

// Writes skin.ini and its images into folder (a file-system path ending in a separator).
void WriteTestSkin(const std::string& folder, const TestSkinOptions& options = {});

// Writes a PNG of width x height in one colour.
void WriteFlatImage(const std::string& path, int width, int height, std::uint32_t color);

}  // namespace qx::systest
