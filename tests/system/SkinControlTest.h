#pragma once
// The skin's controls on a dialog of their own under the headless backend: two image buttons,
// two edit boxes and a plain button, with the dialog recording what reaches it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/framework/Framework.h"
#include "platform/win/Composition.h"
#include "platform/win/WinApi.h"
#include "skin/QXEdit.h"
#include "skin/QXPngButton.h"
#include "system/TestSkin.h"

namespace qx::systest {

inline constexpr UINT kButtonId = 1013;
inline constexpr UINT kOtherButtonId = 1014;
inline constexpr UINT kAddressId = 1021;
inline constexpr UINT kSearchId = 1024;
inline constexpr UINT kPlainId = 1005;

// An image button that records the messages it receives.
class CRecordingPngButton : public CQXPngButton {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        m_messages.push_back(message);
        return CQXPngButton::WindowProc(message, wParam, lParam);
    }
    int Count(UINT message) const { return static_cast<int>(std::count(m_messages.begin(), m_messages.end(), message)); }
    std::vector<UINT> m_messages;
};

class CControlDialog : public CDialog {
public:
    CRecordingPngButton m_btn;
    CRecordingPngButton m_btnOther;
    CQXEdit m_editAddress;
    CQXEdit m_editSearch;
    std::vector<std::string> m_log;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kButtonId, m_btn);
        DDX_Control(pDX, kOtherButtonId, m_btnOther);
        DDX_Control(pDX, kAddressId, m_editAddress);
        DDX_Control(pDX, kSearchId, m_editSearch);
    }
    void OnOK() override { m_log.push_back("OK"); }
    void OnCancel() override { m_log.push_back("Cancel"); }
    void OnButton() { m_log.push_back("clicked"); }
    DECLARE_MESSAGE_MAP()
};

class SkinControlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Pump() { qx::win::PumpPendingMessages(); }
    // Moves the clock on and handles what became due (hover reports).
    void Rest(std::uint64_t milliseconds = 10) {
        backend.AdvanceClock(milliseconds);
        Pump();
    }
    static POINT ScreenPoint(HWND hwnd, int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(hwnd, &p);
        return p;
    }
    static std::uint32_t PixelOf(HWND hwnd, int x, int y) {
        const gfx::SurfacePtr image = qx::win::ComposeWindowImage(hwnd);
        return image ? image->Pixel(x, y) : 0;
    }
    // A four-frame strip of width x 24 pixels; the columns past the fourth frame are kLeftOver.
    std::string WriteStrip(const std::string& name, int width);

    static constexpr std::uint32_t kNormal = 0xFFFF0000;
    static constexpr std::uint32_t kHover = 0xFF00FF00;
    static constexpr std::uint32_t kPressed = 0xFF0000FF;
    static constexpr std::uint32_t kUnused = 0xFFFFFF00;
    static constexpr std::uint32_t kLeftOver = 0xFF00FFFF;

    backend::HeadlessBackend backend;
    qx::win::WindowSystemScope scope{backend};
    CControlDialog dlg;
    std::string m_folder;
};

}  // namespace qx::systest
