// The headless desktop's native entries: offered only when asked for, kept as the window system
// sets them, and edited by the test as a user would.

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/win/WinApi.h"

#include <gtest/gtest.h>

namespace qx::backend {
namespace {

struct RecordingDelegate final : WindowSystemDelegate {
    void OnPointerMove(POINT) override {}
    void OnPointerPress(POINT, MouseButton) override {}
    void OnPointerDoubleClick(POINT, MouseButton) override {}
    void OnPointerRelease(POINT, MouseButton) override {}
    void OnKeyDown(UINT, char16_t) override {}
    void OnKeyUp(UINT) override {}
    void OnText(const std::u16string&) override {}
    void OnConfigure(HWND, RECT) override {}
    void OnCloseRequest(HWND) override {}
    void OnShowRequest(HWND, int) override {}
    void OnActivated(HWND) override {}
    void OnExpose(HWND) override {}
    void OnEntryChanged(HWND hwnd, const std::u16string& text, int start, int end) override {
        changed = hwnd;
        changedText = text;
        selection = {start, end};
    }
    void OnNativeChildFocus(HWND hwnd) override { focused = hwnd; }

    HWND changed = nullptr;
    std::u16string changedText;
    std::pair<int, int> selection;
    HWND focused = nullptr;
};

const HWND kEdit = HandleFromId<HWND>(0x1234);

TEST(HeadlessNativeChildTest, EntriesAreOfferedOnlyWhenAskedFor) {
    HeadlessBackend plain;
    EXPECT_FALSE(plain.SupportsNativeChild(NativeChildKind::Entry));
    plain.CreateNativeChild(kEdit, NativeChildKind::Entry);
    EXPECT_EQ(plain.FindNativeChild(kEdit), nullptr);

    HeadlessOptions options;
    options.nativeEntries = true;
    HeadlessBackend native(options);
    EXPECT_TRUE(native.SupportsNativeChild(NativeChildKind::Entry));
    EXPECT_FALSE(native.SupportsNativeChild(NativeChildKind::Page));
}

TEST(HeadlessNativeChildTest, KeepsWhatTheWindowSystemSetsAndReportsWhatTheUserDoes) {
    HeadlessOptions options;
    options.nativeEntries = true;
    HeadlessBackend backend(options);
    RecordingDelegate delegate;
    backend.SetDelegate(&delegate);
    backend.CreateNativeChild(kEdit, NativeChildKind::Entry);

    backend.SetEntryText(kEdit, u"hello");
    backend.SetEntrySelection(kEdit, 4, -1);
    EntryLook look;
    look.transparentBackground = true;
    backend.SetEntryLook(kEdit, look);
    backend.SetEntryFocus(kEdit, true);
    backend.DeliverEntryKey(kEdit, VK_RETURN);
    const HeadlessNativeChild* child = backend.FindNativeChild(kEdit);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->text, u"hello");
    EXPECT_EQ(child->selectionStart, 4);
    EXPECT_EQ(child->selectionEnd, 5);
    EXPECT_TRUE(child->look.transparentBackground);
    EXPECT_TRUE(child->focused);
    EXPECT_EQ(child->deliveredKeys, (std::vector<UINT>{VK_RETURN}));
    // Setting is not echoed back as a user's change.
    EXPECT_EQ(delegate.changed, nullptr);

    backend.EditEntry(kEdit, u"help", 4, 4);
    EXPECT_EQ(delegate.changed, kEdit);
    EXPECT_EQ(delegate.changedText, u"help");
    EXPECT_EQ(delegate.selection, (std::pair<int, int>{4, 4}));
    backend.ClickIntoNativeChild(kEdit);
    EXPECT_EQ(delegate.focused, kEdit);

    backend.DestroyNativeChild(kEdit);
    EXPECT_EQ(backend.FindNativeChild(kEdit), nullptr);
    backend.SetDelegate(nullptr);
}

}  // namespace
}  // namespace qx::backend
