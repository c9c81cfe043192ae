#include "platform/gfx/GdiPlus.h"

#include "Ink.h"
#include "PixelCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace qx::gfx {
namespace {

using namespace Gdiplus;

// A 10 point font of the generic sans-serif family, a Graphics on a transparent bitmap and a
// centred string format: what the tab's title drawing works with.
class GdiplusText : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GdipCreateBitmapFromScan0(160, 26, 0, PixelFormat32bppARGB, nullptr, &m_bitmap), Ok);
        ASSERT_EQ(GdipGetImageGraphicsContext(m_bitmap, &m_graphics), Ok);
        GpFontFamily* sans = nullptr;
        ASSERT_EQ(GdipGetGenericFontFamilySansSerif(&sans), Ok);
        ASSERT_EQ(GdipCreateFont(sans, 10, FontStyleRegular, UnitPoint, &m_font), Ok);
        ASSERT_EQ(GdipCreateStringFormat(0, 0, &m_centred), Ok);
        ASSERT_EQ(GdipSetStringFormatAlign(m_centred, StringAlignmentCenter), Ok);
        ASSERT_EQ(GdipGetFontHeight(m_font, m_graphics, &m_lineHeight), Ok);
    }
    void TearDown() override {
        test::KeepOnFailure(*SurfaceOfImage(m_bitmap), testing::UnitTest::GetInstance()->current_test_info()->name());
        GdipDeleteStringFormat(m_centred);
        GdipDeleteFont(m_font);
        GdipDeleteGraphics(m_graphics);
        GdipDisposeImage(m_bitmap);
    }

    // The width of the text on one unlimited line.
    REAL Width(const std::u16string& text) {
        RectF box;
        const RectF unlimited{0, 0, 0, 0};
        EXPECT_EQ(GdipMeasureString(m_graphics, text.c_str(), -1, m_font, &unlimited, nullptr, &box, nullptr, nullptr), Ok);
        return box.Width;
    }

    GpBitmap* m_bitmap = nullptr;
    GpGraphics* m_graphics = nullptr;
    GpFont* m_font = nullptr;
    GpStringFormat* m_centred = nullptr;
    REAL m_lineHeight = 0;
};

TEST_F(GdiplusText, FamiliesByNameFallBackToTheGenericSansSerif) {
    GpFontFamily* family = reinterpret_cast<GpFontFamily*>(0x40);
    EXPECT_EQ(GdipCreateFontFamilyFromName(u"宋体", nullptr, &family), FontFamilyNotFound);
    EXPECT_EQ(family, nullptr);
    ASSERT_EQ(GdipCreateFontFamilyFromName(u"dejavu sans", nullptr, &family), Ok);
    EXPECT_EQ(GdipDeleteFontFamily(family), Ok);
    EXPECT_EQ(GdipDeleteFontFamily(family), InvalidParameter);

    GpFontFamily* sans = nullptr;
    ASSERT_EQ(GdipGetGenericFontFamilySansSerif(&sans), Ok);
    EXPECT_EQ(GdipDeleteFontFamily(sans), Ok);  // the generic family stays
    GpFont* font = nullptr;
    EXPECT_EQ(GdipCreateFont(sans, 10, FontStyleBold, UnitPoint, &font), Ok);
    EXPECT_EQ(GdipDeleteFont(font), Ok);
    EXPECT_EQ(GdipDeleteFont(font), InvalidParameter);

    EXPECT_EQ(GdipCreateFont(family, 10, 0, UnitPoint, &font), InvalidParameter);  // deleted family
    EXPECT_EQ(GdipCreateFont(sans, 0, 0, UnitPoint, &font), InvalidParameter);
    EXPECT_EQ(GdipCreateFont(sans, 10, 0, UnitDisplay, &font), InvalidParameter);
    EXPECT_EQ(font, nullptr);
}

TEST_F(GdiplusText, FontHeightIsTheLineSpacingInPixels) {
    // 10 points are 13.3 pixels at 96 dots per inch; the line adds the face's ascent and descent.
    EXPECT_GT(m_lineHeight, 13.3f);
    EXPECT_LT(m_lineHeight, 20.0f);
    GpFontFamily* sans = nullptr;
    GdipGetGenericFontFamilySansSerif(&sans);
    GpFont* pixels = nullptr;
    GdipCreateFont(sans, 40.0f / 3, FontStyleRegular, UnitPixel, &pixels);
    REAL height = 0;
    EXPECT_EQ(GdipGetFontHeight(pixels, nullptr, &height), Ok);
    EXPECT_NEAR(height, m_lineHeight, 0.01);
    GdipDeleteFont(pixels);
}

TEST_F(GdiplusText, MeasureCountsTheCodePointsThatFitOnTheLine) {
    struct Case {
        std::u16string text;
        std::u16string fits;  // the part expected to fit on the first line
        std::u16string widthOf;  // the layout rectangle is as wide as this text plus extra
        float extra = 0.5f;
    };
    const Case cases[] = {
        {u"abcdefghij", u"abcd", u"abcd"},                       // one long word breaks between letters
        {u"Hello world", u"Hello ", u"Hello wo"},                // words stay whole
        {u"栎木网络互联测试版", u"栎木网络", u"栎木网络"},         // Chinese breaks between characters
        {u"百度一下 - 你就知道", u"百度一下 - ", u"百度一下 - 你", -2},
        {u"a\U00020000b\U00020000", u"a\U00020000", u"a\U00020000"},  // a surrogate pair stays whole
        {u"short", u"short", u"short and more"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const RectF rect{22, 8, Width(c.widthOf) + c.extra, m_lineHeight};
        INT fitted = -1, lines = -1;
        RectF box;
        ASSERT_EQ(GdipMeasureString(m_graphics, c.text.c_str(), static_cast<INT>(c.text.size()), m_font, &rect, m_centred,
                                    &box, &fitted, &lines), Ok);
        EXPECT_EQ(fitted, static_cast<INT>(c.fits.size()));
        EXPECT_EQ(lines, 1);
        EXPECT_LE(box.Width, rect.Width);
    }
}

TEST_F(GdiplusText, MeasureWithoutHeightCountsEveryLine) {
    const std::u16string text = u"栎木网络互联测试版";
    const RectF narrow{0, 0, Width(u"栎木网") + 0.5f, 0};
    INT fitted = 0, lines = 0;
    RectF box;
    ASSERT_EQ(GdipMeasureString(m_graphics, text.c_str(), -1, m_font, &narrow, nullptr, &box, &fitted, &lines), Ok);
    EXPECT_EQ(fitted, 9);
    EXPECT_EQ(lines, 3);
    EXPECT_NEAR(box.Height, 3 * m_lineHeight, 0.01);

    // Two and a half lines of room: the third line starts inside, so it counts, unless the
    // format limits the count to whole lines.
    const RectF partial{0, 0, narrow.Width, 2.5f * m_lineHeight};
    GdipMeasureString(m_graphics, text.c_str(), -1, m_font, &partial, nullptr, nullptr, &fitted, &lines);
    EXPECT_EQ(lines, 3);
    GpStringFormat* whole = nullptr;
    GdipCreateStringFormat(StringFormatFlagsLineLimit, 0, &whole);
    GdipMeasureString(m_graphics, text.c_str(), -1, m_font, &partial, whole, nullptr, &fitted, &lines);
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(fitted, 6);
    GdipDeleteStringFormat(whole);

    const std::u16string empty;
    GdipMeasureString(m_graphics, empty.c_str(), 0, m_font, &narrow, nullptr, nullptr, &fitted, &lines);
    EXPECT_EQ(fitted, 0);
    EXPECT_EQ(lines, 0);
}

TEST_F(GdiplusText, DrawStringPaintsInTheBrushColourInsideTheLayoutRectangle) {
    GpSolidFill* blue = nullptr;
    ASSERT_EQ(GdipCreateSolidFill(0xFF0000FF, &blue), Ok);
    const RectF rect{10, 4, 60, 18};
    const std::u16string text = u"栎木 Tab 很长很长很长很长的标题";
    ASSERT_EQ(GdipDrawString(m_graphics, text.c_str(), -1, m_font, &rect, nullptr, blue), Ok);
    const Surface& pixels = *SurfaceOfImage(m_bitmap);
    const RECT ink = test::InkBounds(pixels);
    EXPECT_GE(ink.left, 10);
    EXPECT_GE(ink.top, 4);
    EXPECT_LE(ink.right, 70);
    EXPECT_LE(ink.bottom, 22);
    EXPECT_GT(test::CountPixels(pixels, 0xFF0000FF), 10);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const std::uint32_t p = pixels.Pixel(x, y);
            ASSERT_EQ(p & 0x00FFFF00, 0u) << "not a shade of the brush at " << x << "," << y;
        }
    GdipDeleteBrush(blue);
}

TEST_F(GdiplusText, DrawStringWithAnEmptyRectangleDrawsFromItsCornerUnclipped) {
    GpSolidFill* black = nullptr;
    GdipCreateSolidFill(0xFF000000, &black);
    const RectF point{22, 8, 0, 0};
    ASSERT_EQ(GdipDrawString(m_graphics, u"标题 Title", -1, m_font, &point, nullptr, black), Ok);
    const RECT ink = test::InkBounds(*SurfaceOfImage(m_bitmap));
    EXPECT_GE(ink.left, 22);
    EXPECT_LE(ink.left, 25);
    EXPECT_GE(ink.top, 8);
    EXPECT_NEAR(ink.right - ink.left, Width(u"标题 Title"), 3);
    GdipDeleteBrush(black);
}

TEST_F(GdiplusText, StaleObjectsFailCleanly) {
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(0xFF000000, &brush);
    GdipDeleteBrush(brush);
    const RectF rect{0, 0, 50, 20};
    EXPECT_EQ(GdipDrawString(m_graphics, u"x", -1, m_font, &rect, nullptr, brush), InvalidParameter);
    GpStringFormat* format = nullptr;
    GdipCreateStringFormat(0, 0, &format);
    GdipDeleteStringFormat(format);
    INT fitted = 5;
    EXPECT_EQ(GdipMeasureString(m_graphics, u"x", -1, m_font, &rect, format, nullptr, &fitted, nullptr), InvalidParameter);
    EXPECT_EQ(GdipSetStringFormatAlign(format, StringAlignmentCenter), InvalidParameter);
    EXPECT_EQ(GdipMeasureString(m_graphics, nullptr, 3, m_font, &rect, nullptr, nullptr, &fitted, nullptr), InvalidParameter);
    EXPECT_EQ(GdipMeasureString(m_graphics, u"x", -2, m_font, &rect, nullptr, nullptr, &fitted, nullptr), InvalidParameter);
    EXPECT_EQ(GdipMeasureString(nullptr, u"x", -1, m_font, &rect, nullptr, nullptr, &fitted, nullptr), InvalidParameter);
    EXPECT_EQ(GdipSetStringFormatAlign(m_centred, static_cast<StringAlignment>(7)), InvalidParameter);
    REAL height = 0;
    EXPECT_EQ(GdipGetFontHeight(reinterpret_cast<GpFont*>(m_graphics), nullptr, &height), InvalidParameter);
}

}  // namespace
}  // namespace qx::gfx
