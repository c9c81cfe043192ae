// Layered windows on the screen: colour keys that show and pass the mouse to the window below,
// per-pixel and constant alpha blended over what lies below, images that place and size the
// window.

#include "CompositionTest.h"

#include "platform/win/LayeredEffects.h"
#include "platform/win/controls/StandardControls.h"

namespace qx::win::test {
namespace {

// The key's bytes are all different, so a key read in the wrong byte order shows.
constexpr COLORREF kKey = RGB(0x10, 0x20, 0x30);
constexpr COLORREF kKeySwapped = RGB(0x30, 0x20, 0x10);

const Palette kPalette = {{'r', kRed},   {'g', kGreen}, {'b', kBlue}, {'s', 0xFF302010},
                          {'k', 0xFF102030}, {'.', 0},  {'d', kDesktop}};

class LayeredCompositionTest : public CompositionTest {};

// The browser's arrangement: a layered background window with a per-pixel image, and over it the
// window it owns, whose key-coloured background shows the background window and passes it clicks.
class ColorKeyTest : public LayeredCompositionTest {
protected:
    ColorKeyTest() {
        RegisterStandardControls();
        background = CreateLayeredPopup({0, 0, 1, 1});
        UpdateLayered(background, {0, 0}, {"gggggggggg", "gggggggggg", "gggggggggg"}, kPalette);
        main = CreateLayeredPopup({0, 0, 10, 3}, background);
        SetLayeredWindowAttributes(main, kKey, 255, LWA_COLORKEY);
        On(main, WM_PAINT, [](HWND h, WPARAM, LPARAM) -> std::optional<LRESULT> {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(h, &paint);
            RECT all{0, 0, 10, 3}, first{0, 0, 1, 3};
            HBRUSH key = CreateSolidBrush(kKey), swapped = CreateSolidBrush(kKeySwapped);
            FillRect(dc, &all, key);
            FillRect(dc, &first, swapped);
            DeleteObject(key);
            DeleteObject(swapped);
            EndPaint(h, &paint);
            return 0;
        });
        edit = CreateWindowExW(0, kEditClassName, u"", WS_CHILD | WS_VISIBLE, 1, 0, 2, 3, main, nullptr, nullptr, nullptr);
        m_keyBrush = CreateSolidBrush(kKey);
        On(main, WM_CTLCOLOREDIT, [this](HWND, WPARAM, LPARAM) -> std::optional<LRESULT> {
            return reinterpret_cast<LRESULT>(m_keyBrush);
        });
        keyChild = CreateChild(main, {3, 0, 4, 3});
        PaintWith(keyChild, kKey);
        button = CreateChild(main, {5, 0, 7, 3});
        PaintWith(button, RGB(0, 0, 255));
        PumpPendingMessages();
    }
    ~ColorKeyTest() override { DeleteObject(m_keyBrush); }

    HWND background = nullptr;
    HWND main = nullptr;
    HWND edit = nullptr;      // x 1..2, its background in the key colour
    HWND keyChild = nullptr;  // x 3, painted in the key colour
    HWND button = nullptr;    // x 5..6

private:
    HBRUSH m_keyBrush = nullptr;
};

TEST_F(ColorKeyTest, KeyColouredPixelsShowTheWindowBelow) {
    const Picture screen = {"sggggbbggg", "sggggbbggg", "sggggbbggg"};
    EXPECT_TRUE(MatchesPicture(*ScreenArea({0, 0, 10, 3}), screen, kPalette, "color-key-screen"));
    // The image handed to the backend carries the key as transparency, for the desktop's compositor.
    const Picture presented = {"s....bb...", "s....bb...", "s....bb..."};
    EXPECT_TRUE(MatchesPicture(*backend.FindWindow(main)->image, presented, kPalette, "color-key-presented"));
}

TEST_F(ColorKeyTest, PressesOnKeyPixelsGoToTheWindowBelow) {
    const struct {
        int x;
        HWND expected;
    } cases[] = {
        {0, main},        // the swapped colour is not the key
        {3, background},  // a child painting the key is see-through as well
        {4, background},
        {5, button},
        {8, background},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(WindowFromPoint({c.x, 1}), c.expected);
        EXPECT_EQ(PressedAt({c.x, 1}), c.expected);
    }
}

TEST_F(ColorKeyTest, EditBoxTakesThePressOnItsKeyColouredBackground) {
    EXPECT_EQ(WindowFromPoint({1, 1}), edit);
    backend.Click({2, 1});
    PumpPendingMessages();
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(ColorKeyTest, WindowWithoutTheLayeredStyleShowsTheKeyColour) {
    SetWindowLongPtrW(main, GWL_EXSTYLE, GetWindowLongPtrW(main, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    EXPECT_EQ(ComposeWindowImage(main)->Pixel(8, 1), 0xFF102030u);
    EXPECT_EQ(WindowFromPoint({8, 1}), main);
}

struct AlphaCase {
    const char* name;
    std::function<void(HWND)> show;  // makes the layered window show red over the blue below
    std::uint32_t expected;          // the screen pixel
};

class AlphaTest : public LayeredCompositionTest, public ::testing::WithParamInterface<AlphaCase> {};

// Channels may differ by one from the exact blend: cairo rounds the constant alpha its own way.
::testing::AssertionResult NearPixel(std::uint32_t actual, std::uint32_t expected) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>((actual >> shift) & 0xFF), e = static_cast<int>((expected >> shift) & 0xFF);
        if (std::abs(a - e) > 1) return ::testing::AssertionFailure() << std::hex << "0x" << actual << " not 0x" << expected;
    }
    return ::testing::AssertionSuccess();
}

TEST_P(AlphaTest, LayeredWindowBlendsOverTheWindowBelow) {
    HWND below = CreatePopup({0, 0, 4, 1});
    PaintWith(below, RGB(0, 0, 255));
    HWND layered = CreateLayeredPopup({0, 0, 4, 1});
    PaintWith(layered, RGB(255, 0, 0));
    GetParam().show(layered);
    PumpPendingMessages();

    gfx::SurfacePtr screen = ScreenArea({0, 0, 4, 1});
    EXPECT_TRUE(NearPixel(screen->Pixel(1, 0), GetParam().expected));
    gfx::test::KeepOnFailure(*screen, std::string("alpha-") + GetParam().name);
}

// Red at full and (pixel 1) at half strength, premultiplied.
const Picture kHalfRed = {"rhrr"};
const Palette kHalfRedPalette = {{'r', kRed}, {'h', 0x80800000}};

INSTANTIATE_TEST_SUITE_P(
    Ways, AlphaTest,
    ::testing::Values(
        AlphaCase{"PerPixelAlpha",
                  [](HWND h) { UpdateLayered(h, {0, 0}, kHalfRed, kHalfRedPalette); },
                  0xFF80007F},
        AlphaCase{"ConstantAlphaOfTheImage",
                  [](HWND h) {
                      BLENDFUNCTION blend;
                      blend.SourceConstantAlpha = 0x80;
                      blend.AlphaFormat = AC_SRC_ALPHA;
                      UpdateLayeredWith(h, {0, 0}, {"rrrr"}, kHalfRedPalette, &blend, ULW_ALPHA);
                  },
                  0xFF80007F},
        AlphaCase{"ConstantAlphaAttribute", [](HWND h) { SetLayeredWindowAttributes(h, 0, 0x80, LWA_ALPHA); },
                  0xFF80007F},
        // Without AC_SRC_ALPHA the image's alpha does not count: the half-strength pixel is
        // shown as it is stored and covers the blue.
        AlphaCase{"ImageWithoutAlpha",
                  [](HWND h) { UpdateLayeredWith(h, {0, 0}, kHalfRed, kHalfRedPalette, nullptr, 0); },
                  0xFF800000}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(LayeredCompositionTest, PixelsOfAlphaZeroPassTheMouseOthersTakeIt) {
    HWND below = CreatePopup({0, 0, 3, 1});
    PaintWith(below, RGB(0, 0, 255));
    HWND layered = CreateLayeredPopup({0, 0, 1, 1});
    UpdateLayered(layered, {0, 0}, {".hr"}, {{'.', 0}, {'h', 0x01010000}, {'r', kRed}});
    PumpPendingMessages();

    // The press on the window below raises it, so it comes last.
    EXPECT_EQ(PressedAt({2, 0}), layered);
    EXPECT_EQ(PressedAt({1, 0}), layered);  // nearly invisible is still there
    EXPECT_EQ(PressedAt({0, 0}), below);
}

TEST_F(LayeredCompositionTest, ImageGivesTheWindowItsPlaceAndSize) {
    HWND layered = CreateLayeredPopup({0, 0, 1, 1});
    ASSERT_TRUE(UpdateLayered(layered, {3, 2}, {"rrrb", "rrrb"}, kPalette));
    PumpPendingMessages();
    RECT rect;
    GetWindowRect(layered, &rect);
    EXPECT_EQ(rect, (RECT{3, 2, 7, 4}));
    EXPECT_TRUE(MatchesPicture(*ScreenArea({2, 1, 8, 5}),
                               {"dddddd", "drrrbd", "drrrbd", "dddddd"}, kPalette, "image-placed"));

    ASSERT_TRUE(UpdateLayered(layered, {0, 0}, {"bb", "bb"}, kPalette));
    PumpPendingMessages();
    GetWindowRect(layered, &rect);
    EXPECT_EQ(rect, (RECT{0, 0, 2, 2}));
    EXPECT_TRUE(MatchesPicture(*ScreenArea({0, 0, 8, 5}),
                               {"bbdddddd", "bbdddddd", "dddddddd", "dddddddd", "dddddddd"}, kPalette, "image-moved"));
    EXPECT_TRUE(MatchesPicture(*backend.FindWindow(layered)->image, {"bb", "bb"}, kPalette, "image-presented"));
}

TEST_F(LayeredCompositionTest, WindowLargerThanItsImageShowsNothingBeyondIt) {
    HWND layered = CreateLayeredPopup({0, 0, 1, 1});
    UpdateLayered(layered, {0, 0}, {"rr"}, kPalette);
    SetWindowPos(layered, nullptr, 0, 0, 3, 1, SWP_NOMOVE | SWP_NOZORDER);
    PumpPendingMessages();
    EXPECT_TRUE(MatchesPicture(*ComposeWindowImage(layered), {"rr."}, kPalette, "outgrown-image"));
}

TEST(LayeredEffectsTest, ColorKeyClearsOnlyOpaquePixelsOfTheKeyColour) {
    const Palette palette = {{'k', 0xFF102030}, {'s', 0xFF302010}, {'h', 0x80081018}, {'r', kRed}, {'.', 0}};
    gfx::SurfacePtr image = gfx::test::SurfaceOfPicture({"kshr."}, palette);
    ApplyColorKey(*image, kKey);
    EXPECT_TRUE(MatchesPicture(*image, {".shr."}, palette, "color-key-pass"));
}

}  // namespace
}  // namespace qx::win::test
