#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/TextLayout.h"

#include "Ink.h"
#include "PixelCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace qx::gfx {
namespace {

using test::InkBounds;
using test::KeepOnFailure;

class GdiText : public testing::Test {
protected:
    void SetUp() override {
        m_surface = std::make_shared<Surface>(120, 40);
        m_dc = CreateSurfaceDC(m_surface);
        m_font = CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"Sans");
        SelectObject(m_dc, m_font);
    }
    void TearDown() override {
        KeepOnFailure(*m_surface, testing::UnitTest::GetInstance()->current_test_info()->name());
        DeleteDC(m_dc);
        DeleteObject(m_font);
    }
    SIZE Extent(std::u16string_view text) {
        SIZE size{};
        EXPECT_TRUE(GetTextExtentPoint32W(m_dc, text.data(), static_cast<int>(text.size()), &size));
        return size;
    }

    SurfacePtr m_surface;
    HDC m_dc = nullptr;
    HFONT m_font = nullptr;
};

TEST_F(GdiText, CreateFontKeepsEveryFieldOfTheRecord) {
    HFONT font = CreateFontW(0, 0, 2700, 2700, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                             u"Times New Roman");
    LOGFONTW lf;
    ASSERT_EQ(GetObjectW(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, 0);
    EXPECT_EQ(lf.lfEscapement, 2700);
    EXPECT_EQ(lf.lfOrientation, 2700);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(std::u16string(lf.lfFaceName), u"Times New Roman");
    DeleteObject(font);

    // A face name longer than the record holds is cut, never written past it.
    const std::u16string longName(60, u'x');
    font = CreateFontW(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, longName.c_str());
    GetObjectW(font, sizeof lf, &lf);
    EXPECT_EQ(std::u16string(lf.lfFaceName), longName.substr(0, LF_FACESIZE - 1));
    DeleteObject(font);
}

TEST_F(GdiText, ExtentsGrowWithTheTextAndFitChineseCharactersAtAboutOneEm) {
    const SIZE one = Extent(u"W");
    const SIZE three = Extent(u"WWW");
    EXPECT_GT(one.cx, 5);
    EXPECT_NEAR(three.cx, 3 * one.cx, 2);
    EXPECT_EQ(three.cy, one.cy);
    EXPECT_GE(one.cy, 20);  // an em of 20 pixels plus the face's leading

    const SIZE chinese = Extent(u"栎木网络");
    EXPECT_NEAR(chinese.cx, 4 * 20, 4);

    TEXTMETRICW tm;
    ASSERT_TRUE(GetTextMetricsW(m_dc, &tm));
    EXPECT_EQ(tm.tmHeight, one.cy);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
}

TEST_F(GdiText, ChineseTextHasGlyphsInTheInstalledFaces) {
    for (const char* family : {"Sans", "宋体", "Times New Roman"}) {
        SCOPED_TRACE(family);
        detail::FontSpec spec;
        spec.family = family;
        detail::LayoutPtr layout = detail::MakeLayout(spec, "栎木网络互联测试版 - 加载完成");
        EXPECT_EQ(pango_layout_get_unknown_glyphs_count(layout.get()), 0);
    }
}

TEST_F(GdiText, ExtentExCountsTheUnitsThatFit) {
    const std::u16string text = u"ab中d";
    int extents[4] = {};
    int fit = -1;
    SIZE size{};
    ASSERT_TRUE(GetTextExtentExPointW(m_dc, text.c_str(), 4, 1000, &fit, extents, &size));
    EXPECT_EQ(fit, 4);
    EXPECT_LT(extents[0], extents[1]);
    EXPECT_LT(extents[1], extents[2]);
    EXPECT_LT(extents[2], extents[3]);
    EXPECT_EQ(extents[3], size.cx);
    ASSERT_TRUE(GetTextExtentExPointW(m_dc, text.c_str(), 4, extents[2], &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 3);
    ASSERT_TRUE(GetTextExtentExPointW(m_dc, text.c_str(), 4, extents[2] - 1, &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 2);
    ASSERT_TRUE(GetTextExtentExPointW(m_dc, text.c_str(), 4, 0, &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 0);

    // The two units of a character beyond the basic plane end at the same place.
    const std::u16string pair = u"a\U00020000b";
    int pairExtents[4] = {};
    ASSERT_TRUE(GetTextExtentExPointW(m_dc, pair.c_str(), 4, 1000, &fit, pairExtents, nullptr));
    EXPECT_EQ(fit, 4);
    EXPECT_EQ(pairExtents[1], pairExtents[2]);
}

TEST_F(GdiText, TextOutDrawsInTheTextColourAndOpaqueFillsTheBackground) {
    SetTextColor(m_dc, RGB(255, 0, 0));
    SetBkMode(m_dc, TRANSPARENT);
    ASSERT_TRUE(TextOutW(m_dc, 10, 5, u"HH", 2));
    const RECT ink = InkBounds(*m_surface);
    const SIZE size = Extent(u"HH");
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 10 + size.cx);
    EXPECT_GE(ink.top, 5);
    EXPECT_LE(ink.bottom, 5 + size.cy);
    EXPECT_GT(test::CountPixels(*m_surface, 0xFFFF0000), 10);  // the stems are solid red
    EXPECT_EQ(test::CountPixels(*m_surface, 0xFFFFFFFF), 0);

    m_surface->Clear();
    SetBkMode(m_dc, OPAQUE);
    SetBkColor(m_dc, RGB(255, 255, 255));
    TextOutW(m_dc, 10, 5, u"HH", 2);
    EXPECT_EQ(m_surface->Pixel(11, 6), 0xFFFFFFFFu);  // background box, opaque
    EXPECT_EQ(m_surface->Pixel(9, 6), 0u);
}

TEST_F(GdiText, DrawTextCentresASingleLineAndClipsToTheRectangle) {
    SetBkMode(m_dc, TRANSPARENT);
    SetTextColor(m_dc, RGB(0, 0, 255));
    RECT calc{0, 0, 0, 0};
    const int height = DrawTextW(m_dc, u"Wide", -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.right, Extent(u"Wide").cx);
    EXPECT_EQ(calc.bottom, height);
    EXPECT_EQ(test::CountPixels(*m_surface, 0), 120 * 40);  // measuring draws nothing

    RECT rect{0, 0, 120, 40};
    DrawTextW(m_dc, u"Wide", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const RECT ink = InkBounds(*m_surface);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 60, 3);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 20, 4);

    m_surface->Clear();
    RECT small{5, 5, 15, 12};
    DrawTextW(m_dc, u"WWWW", -1, &small, DT_SINGLELINE);
    const RECT clipped = InkBounds(*m_surface);
    EXPECT_GE(clipped.left, 5);
    EXPECT_LE(clipped.right, 15);
    EXPECT_LE(clipped.bottom, 12);

    // "&&" is one ampersand, "&x" is x.
    RECT a{0, 0, 0, 0}, b{0, 0, 0, 0};
    DrawTextW(m_dc, u"&Save && go", -1, &a, DT_CALCRECT | DT_SINGLELINE);
    DrawTextW(m_dc, u"Save & go", -1, &b, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(a.right, b.right);
}

TEST_F(GdiText, DeletedFontsFailToSelectButKeepDrawingWhereSelected) {
    HFONT big = CreateFontW(-30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, u"Sans");
    EXPECT_EQ(SelectObject(m_dc, big), m_font);
    const SIZE before = Extent(u"Hi");
    DeleteObject(big);
    EXPECT_EQ(Extent(u"Hi").cx, before.cx);
    EXPECT_EQ(SelectObject(m_dc, big), nullptr);
    EXPECT_EQ(GetObjectW(big, sizeof(LOGFONTW), nullptr), 0);
    EXPECT_FALSE(TextOutW(reinterpret_cast<HDC>(m_font), 0, 0, u"x", 1));
    EXPECT_FALSE(TextOutW(m_dc, 0, 0, nullptr, 3));
    EXPECT_EQ(DrawTextW(m_dc, u"x", 1, nullptr, 0), 0);
}

TEST_F(GdiText, HeightsFollowTheRecord) {
    struct Case {
        int height;
        double minEm, maxEm;
    };
    // Negative: the em itself; positive: the cell, so a smaller em; 0: the default 12 pixels.
    const Case cases[] = {{-24, 24, 24}, {24, 17, 23}, {0, 12, 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        HFONT font = CreateFontW(c.height, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, u"Sans");
        SelectObject(m_dc, font);
        const SIZE em = Extent(u"中");
        EXPECT_GE(em.cx, c.minEm - 1);
        EXPECT_LE(em.cx, c.maxEm + 1);
        SelectObject(m_dc, m_font);
        DeleteObject(font);
    }
}

}  // namespace
}  // namespace qx::gfx
