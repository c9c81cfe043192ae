#pragma once
// The backend for users: the window system's top-level windows as GTK windows on an X
// display, input from GDK, the GLib main loop for waiting, GTK menus and dialogs, and native
// children (GtkEntry text boxes, holders for web pages) over child windows.

#include "platform/backend/Backend.h"

#include <gtk/gtk.h>

#include <map>
#include <memory>
#include <vector>

namespace qx::backend::gtk {

class GtkInput;
class GtkNativeChild;
class GtkNativeEntry;
class GtkTopLevel;

class GtkBackend final : public Backend {
public:
    // GTK must be initialised on a display (CreateGtkBackend does that).
    GtkBackend();
    ~GtkBackend() override;
    GtkBackend(const GtkBackend&) = delete;
    GtkBackend& operator=(const GtkBackend&) = delete;

    // Backend
    void SetDelegate(WindowSystemDelegate* delegate) override { m_delegate = delegate; }
    RECT ScreenRect() const override;
    RECT WorkArea() const override;
    std::uint64_t Now() const override;
    void WaitForEvents(std::optional<std::uint64_t> deadline) override;
    void CreateNativeWindow(HWND hwnd, RECT bounds, const std::u16string& title, const NativeWindowStyle& style) override;
    void DestroyNativeWindow(HWND hwnd) override;
    void ShowNativeWindow(HWND hwnd, bool activate) override;
    void HideNativeWindow(HWND hwnd) override;
    void MinimizeNativeWindow(HWND hwnd) override;
    void SetNativeBounds(HWND hwnd, RECT bounds) override;
    void SetNativeTitle(HWND hwnd, const std::u16string& title) override;
    void SetNativeStyle(HWND hwnd, const NativeWindowStyle& style) override;
    void RaiseNativeWindow(HWND hwnd, bool activate) override;
    void Present(HWND hwnd, const gfx::Surface& image) override;
    void BeginInteractiveMove(HWND hwnd, POINT screen) override;
    UINT TrackPopupMenu(HWND owner, const MenuModel& menu, POINT screen, UINT flags) override;
    int ShowMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type) override;
    bool SupportsNativeChild(NativeChildKind kind) const override;
    void CreateNativeChild(HWND hwnd, NativeChildKind kind) override;
    void DestroyNativeChild(HWND hwnd) override;
    void SetEntryText(HWND hwnd, const std::u16string& text) override;
    void SetEntrySelection(HWND hwnd, int start, int end) override;
    void SetEntryLook(HWND hwnd, const EntryLook& look) override;
    void SetEntryFocus(HWND hwnd, bool focused) override;
    void DeliverEntryKey(HWND hwnd, UINT virtualKey) override;

    // The GTK side, for the windows, the input and the web engine's host.
    WindowSystemDelegate* Delegate() const { return m_delegate; }
    GtkInput& Input() { return *m_input; }
    GtkTopLevel* FindTopLevel(HWND hwnd) const;
    // Puts the shown windows owned by owner (and theirs) above it.
    void RaiseOwnedWindows(HWND owner);
    // The native entry that has the keyboard inside top, if any.
    GtkNativeEntry* FocusedEntryOf(GtkTopLevel& top) const;
    // The container a page of hwnd's native Page child goes in (a web view fills it); null when
    // hwnd has none.
    GtkWidget* PageHolder(HWND hwnd) const;
    // Brings every native child to its window's current place and visibility.
    void SyncNativeChildren();

private:
    GtkNativeEntry* FindEntry(HWND hwnd) const;
    GtkWindow* DialogParentFor(HWND owner) const;
    static void OnCompositedChanged(GdkScreen* screen, gpointer self);

    WindowSystemDelegate* m_delegate = nullptr;
    std::unique_ptr<GtkInput> m_input;
    std::map<HWND, std::unique_ptr<GtkTopLevel>> m_windows;
    std::map<HWND, std::unique_ptr<GtkNativeChild>> m_children;
};

}  // namespace qx::backend::gtk
