#include "system/mainframe/MainFrameTest.h"

#include <fstream>
#include <iterator>

namespace qx::systest {

void MainFrameTest::SetUp() {
    BrowserTest::SetUp();
    WriteFlatImage(Folder() + "skin/Default/btn.png", 4 * chrome::kButtonWidth, chrome::kButtonHeight, chrome::kButton);
}

void MainFrameTest::SetSkinValue(const std::string& key, const std::string& value) const {
    const std::string path = Folder() + "skin/Default/skin.ini";
    std::string text;
    {
        std::ifstream in(path, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string line = key + "=" + value + "\n";
    const std::size_t at = text.find("\n" + key + "=");
    if (at != std::string::npos) {
        const std::size_t end = text.find('\n', at + 1);
        text.replace(at + 1, end - at, line);
    } else {
        const std::string section = "[IMG]\n";
        text.insert(text.find(section) + section.size(), line);
    }
    std::ofstream(path, std::ios::binary) << text;
}

void MainFrameTest::SetSkinButton(const std::string& key, int x, int y, const std::string& anchor) const {
    SetSkinValue(key, "btn.png," + std::to_string(x) + "," + std::to_string(y) + "," +
                          std::to_string(chrome::kButtonWidth) + "," + std::to_string(chrome::kButtonHeight) + "," +
                          anchor);
}

void MainFrameTest::SizeWindowTo(int width, int height) {
    Then([this, width, height] {
        Desktop().Configure(Background()->GetSafeHwnd(), {100, 50, 100 + width, 50 + height});
    });
}

RECT ControlRect(HWND control) {
    RECT rc{};
    ::GetWindowRect(control, &rc);
    const RECT main = WindowRect(MainFrame());
    return {rc.left - main.left, rc.top - main.top, rc.right - main.left, rc.bottom - main.top};
}

RECT ControlRect(int id) { return ControlRect(::GetDlgItem(MainFrame()->GetSafeHwnd(), id)); }

}  // namespace qx::systest
