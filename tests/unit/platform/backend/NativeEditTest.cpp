// The Edit control over a backend's native entry (the headless desktop's, here): the program's
// text, selection, focus and colours go to the entry; the user's typing comes back into the
// edit; and every key reaches the pre-translation walk before the entry may have it.

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/WinApi.h"
#include "platform/win/controls/StandardControls.h"

#include <gtest/gtest.h>

#include <vector>

namespace qx::backend {
namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr int kEditId = 1021;

std::vector<WPARAM> g_commands;
HBRUSH g_keyBrush = nullptr;

LRESULT ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) g_commands.push_back(wParam);
    if (message == WM_CTLCOLOREDIT) {
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(11, 72, 127));
        return reinterpret_cast<LRESULT>(g_keyBrush);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class NativeEditTest : public ::testing::Test {
protected:
    NativeEditTest() {
        win::RegisterStandardControls();
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ParentProc;
        wc.lpszClassName = u"QxNativeEditParent";
        RegisterClassW(&wc);
        g_commands.clear();
        g_keyBrush = CreateSolidBrush(kKey);
        parent = CreateWindowExW(WS_EX_LAYERED, u"QxNativeEditParent", u"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300,
                                 nullptr, nullptr, nullptr, nullptr);
        SetLayeredWindowAttributes(parent, kKey, 255, LWA_COLORKEY);
        edit = CreateWindowExW(0, u"Edit", u"start", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 200, 22, parent,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditId)), nullptr, nullptr);
    }
    ~NativeEditTest() override { DeleteObject(g_keyBrush); }

    static HeadlessOptions Native() {
        HeadlessOptions options;
        options.nativeEntries = true;
        return options;
    }
    const HeadlessNativeChild& Entry() const { return *backend.FindNativeChild(edit); }
    std::u16string Text() const {
        WCHAR buffer[64] = {};
        GetWindowTextW(edit, buffer, 64);
        return buffer;
    }

    HeadlessBackend backend{Native()};
    win::WindowSystemScope scope{backend};
    HWND parent = nullptr;
    HWND edit = nullptr;
};

TEST_F(NativeEditTest, TheEntryShowsWhatTheProgramSets) {
    ASSERT_NE(backend.FindNativeChild(edit), nullptr);
    EXPECT_EQ(Entry().text, u"start");
    SetWindowTextW(edit, u"hello");
    SendMessageW(edit, EM_SETSEL, 1, 4);
    EXPECT_EQ(Entry().text, u"hello");
    EXPECT_EQ(Entry().selectionStart, 1);
    EXPECT_EQ(Entry().selectionEnd, 4);

    SetFocus(edit);
    EXPECT_TRUE(Entry().focused);
    SetFocus(parent);
    EXPECT_FALSE(Entry().focused);

    DestroyWindow(edit);
    EXPECT_EQ(backend.FindNativeChild(edit), nullptr);
}

TEST_F(NativeEditTest, AnEntryOnTheKeyColourDrawsNoBackgroundAndTakesTheParentsTextColour) {
    UpdateWindow(edit);
    EXPECT_TRUE(Entry().look.transparentBackground);
    EXPECT_EQ(Entry().look.text, RGB(11, 72, 127));
    EXPECT_FALSE(Entry().look.readOnly);
}

TEST_F(NativeEditTest, TheUsersTypingComesBackIntoTheEditAndTellsTheParent) {
    backend.EditEntry(edit, u"startx", 6, 6);
    EXPECT_EQ(Text(), u"startx");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 6u);
    EXPECT_EQ(end, 6u);
    EXPECT_EQ(g_commands, (std::vector<WPARAM>{MAKEWPARAM(kEditId, EN_CHANGE)}));
    // Moving the selection alone changes no text.
    backend.EditEntry(edit, u"startx", 0, 6);
    EXPECT_EQ(g_commands.size(), 1u);

    backend.ClickIntoNativeChild(edit);
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(NativeEditTest, KeysGoThroughThePreTranslationBeforeTheEntryHasThem) {
    SetFocus(edit);
    std::vector<WPARAM> offered;
    win::SetPreTranslateHook([&](MSG& msg, HWND) {
        if (msg.message != WM_KEYDOWN) return false;
        offered.push_back(msg.wParam);
        return msg.wParam == VK_ESCAPE;  // taken, as a dialog would
    });
    backend.Key('A', u'a');
    backend.Key(VK_ESCAPE, 0x1B);
    backend.Key(VK_RETURN, u'\r');
    win::PumpPendingMessages(parent);
    win::SetPreTranslateHook(nullptr);
    EXPECT_EQ(offered, (std::vector<WPARAM>{'A', VK_ESCAPE, VK_RETURN}));
    EXPECT_EQ(Entry().deliveredKeys, (std::vector<UINT>{'A', VK_RETURN}));
    // The entry types for itself: the characters do not reach the model twice.
    EXPECT_EQ(Text(), u"start");
}

TEST(NativeEditWithoutEntriesTest, TheEditTypesItselfWhereTheBackendHasNoEntries) {
    win::RegisterStandardControls();
    HeadlessBackend backend;
    win::WindowSystemScope scope{backend};
    HWND edit = CreateWindowExW(0, u"Edit", u"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    SetFocus(edit);
    backend.Key('A', u'a');
    win::PumpPendingMessages(edit);
    WCHAR buffer[8] = {};
    GetWindowTextW(edit, buffer, 8);
    EXPECT_EQ(std::u16string(buffer), u"a");
    EXPECT_EQ(backend.FindNativeChild(edit), nullptr);
}

}  // namespace
}  // namespace qx::backend
