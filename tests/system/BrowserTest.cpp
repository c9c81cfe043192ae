#include "system/BrowserTest.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/RunApplication.h"
#include "platform/base/Paths.h"
#include "platform/base/Strings.h"
#include "platform/win/Composition.h"
#include "platform/win/WinApi.h"
#include "skin/ConfigFile.h"
#include "skin/ProfileFile.h"
#include "skin/SkinFile.h"

namespace qx::systest {
namespace {

void ResetReaders() {
    CConfigFile::ResetForTesting();
    CSkinFile::ResetForTesting();
    ResetCurrentProfileFileForTesting();
}

}  // namespace

void BrowserTest::SetUp() {
    char pattern[] = "/tmp/qx-system-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    m_folder = std::string(pattern) + "/";
    qx::SetProgramFolderForTesting(qx::Utf8ToWide(m_folder));
    ResetReaders();
    WriteConfig("[skin]\r\npath=skin\\Default\\\r\n");
    WriteSkin("skin/Default/");
    UseWorkArea(kWorkArea);
}

void BrowserTest::TearDown() {
    qx::win::RestoreNamedFunctions();
    ResetReaders();
    qx::SetProgramFolderForTesting(u"");
    std::error_code ec;
    std::filesystem::remove_all(m_folder, ec);
}

void BrowserTest::UseWorkArea(RECT workArea, RECT screen) {
    backend::HeadlessOptions options;
    options.screen = screen;
    options.workArea = workArea;
    m_backend = std::make_unique<backend::HeadlessBackend>(options);
}

void BrowserTest::WriteConfig(const std::string& text) const { std::ofstream(m_folder + "config.ini") << text; }

std::string BrowserTest::ReadConfig() const {
    std::ifstream in(m_folder + "config.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void BrowserTest::WriteSkin(const std::string& relativeFolder, const TestSkinOptions& options) const {
    WriteTestSkin(m_folder + relativeFolder, options);
}

int BrowserTest::Run() { return app::RunHeadlessApplication(*m_backend); }

RunningBackgroundWnd* Owner() { return dynamic_cast<RunningBackgroundWnd*>(AfxGetMainWnd()); }

CQXBrowserBackgroundDlg* Background() {
    RunningBackgroundWnd* pOwner = Owner();
    return pOwner ? pOwner->m_pBackground.get() : nullptr;
}

CQXMainFrame* MainFrame() {
    CQXBrowserBackgroundDlg* pBackground = Background();
    return pBackground ? pBackground->m_pMainFrame.get() : nullptr;
}

RECT WindowRect(CWnd* pWnd) {
    RECT rc{};
    if (pWnd) ::GetWindowRect(pWnd->GetSafeHwnd(), &rc);
    return rc;
}

std::uint32_t SkinPixel(int x, int y) {
    CQXBrowserBackgroundDlg* pBackground = Background();
    const gfx::SurfacePtr image = pBackground ? win::ComposeWindowImage(pBackground->GetSafeHwnd()) : nullptr;
    return image ? image->Pixel(x, y) : 0;
}

std::uint32_t ScreenPixel(int x, int y) { return win::ComposeScreenImage()->Pixel(x, y); }

void KeepSkinImageOnFailure(const std::string& name) {
    CQXBrowserBackgroundDlg* pBackground = Background();
    if (!::testing::Test::HasFailure() || !pBackground) return;
    win::SaveWindowImage(pBackground->GetSafeHwnd(), std::string(QX_SYSTEM_TEST_OUTPUT) + "/" + name + ".actual.png");
}

}  // namespace qx::systest
