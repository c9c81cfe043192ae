#include "system/SkinControlTest.h"

#include <stdlib.h>

#include <cairo.h>

#include "platform/base/Strings.h"

namespace qx::systest {
namespace {

constexpr DialogItemTemplate kItems[] = {
    {IDOK, u"Button", u"OK", WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 150, 80, 40, 14},
    {IDCANCEL, u"Button", u"Cancel", WS_VISIBLE, 0, 150, 96, 40, 14},
    {kButtonId, u"Button", u"back", WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 10, 10},
    {kOtherButtonId, u"Button", u"forward", WS_VISIBLE | WS_TABSTOP, 0, 0, 20, 10, 10},
    {kAddressId, u"Edit", u"", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 40, 0, 100, 14},
    {kSearchId, u"Edit", u"", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 40, 20, 100, 14},
    {kPlainId, u"Button", u"plain", WS_VISIBLE | WS_TABSTOP, 0, 40, 40, 40, 14},
};
constexpr DialogTemplate kTemplate = {
    1, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 10, 10, 200, 120, u"Controls", u"MS Shell Dlg", 8, kItems,
};

}  // namespace

BEGIN_MESSAGE_MAP(CControlDialog, CDialog)
    ON_BN_CLICKED(kButtonId, &CControlDialog::OnButton)
END_MESSAGE_MAP()

void SkinControlTest::SetUp() {
    char pattern[] = "/tmp/qx-controls-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    m_folder = std::string(pattern) + "/";
    ASSERT_TRUE(dlg.CreateIndirect(kTemplate));
    // The image button is 40 x 30, larger than its 30 x 24 frames.
    dlg.m_btn.MoveWindow(10, 10, 40, 30);
    dlg.m_btn.SetImage(qx::Utf8ToWide(WriteStrip("strip.png", 120)));
    dlg.m_btnOther.MoveWindow(10, 60, 40, 30);
    Pump();
}

void SkinControlTest::TearDown() {
    std::error_code ec;
    std::filesystem::remove_all(m_folder, ec);
}

std::string SkinControlTest::WriteStrip(const std::string& name, int width) {
    const std::string path = m_folder + name;
    gfx::Surface image(width, 24);
    cairo_t* cr = cairo_create(image.cairo());
    const std::uint32_t colors[] = {kNormal, kHover, kPressed, kUnused, kLeftOver};
    for (int frame = 0; frame < 5; ++frame) {
        const std::uint32_t c = colors[frame];
        cairo_set_source_rgb(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0);
        cairo_rectangle(cr, frame * (width / 4), 0, frame < 4 ? width / 4 : width % 4, 24);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    image.WritePng(path);
    return path;
}

}  // namespace qx::systest
