#include "platform/backend/gtk/GtkBackend.h"

#include "platform/backend/gtk/GtkDesktop.h"
#include "platform/backend/gtk/GtkInput.h"
#include "platform/backend/gtk/GtkMessageBox.h"
#include "platform/backend/gtk/GtkNativeEntry.h"
#include "platform/backend/gtk/GtkPopupMenu.h"
#include "platform/backend/gtk/GtkTopLevel.h"
#include "platform/win/WindowRecords.h"

#include <algorithm>
#include <limits>

namespace qx::backend::gtk {

namespace {

struct Placement {
    HWND root = nullptr;
    RECT rect{};  // in the root window's pixels
    bool visible = false;
};

// Where a child window is inside its top-level window, and whether it and every parent are
// visible. Nothing when the window or a parent is gone.
std::optional<Placement> PlacementOf(HWND hwnd) {
    const win::Window* window = win::FindWindowRecord(hwnd);
    if (!window || win::IsTopLevel(*window)) return std::nullopt;
    Placement placement;
    placement.rect = {0, 0, win::Width(window->rect), win::Height(window->rect)};
    placement.visible = true;
    const win::Window* current = window;
    while (!win::IsTopLevel(*current)) {
        if (!(current->style & WS_VISIBLE)) placement.visible = false;
        placement.rect.left += current->rect.left;
        placement.rect.right += current->rect.left;
        placement.rect.top += current->rect.top;
        placement.rect.bottom += current->rect.top;
        current = win::FindWindowRecord(current->parent);
        if (!current) return std::nullopt;
    }
    placement.root = current->hwnd;
    return placement;
}

struct Wake {
    bool fired = false;
};

gboolean OnWake(gpointer data) {
    static_cast<Wake*>(data)->fired = true;
    return G_SOURCE_REMOVE;
}

}  // namespace

GtkBackend::GtkBackend() : m_input(std::make_unique<GtkInput>(*this)) {
    if (GdkScreen* screen = gdk_screen_get_default()) {
        g_signal_connect(screen, "composited-changed", G_CALLBACK(OnCompositedChanged), this);
    }
}

GtkBackend::~GtkBackend() {
    if (GdkScreen* screen = gdk_screen_get_default()) g_signal_handlers_disconnect_by_data(screen, this);
    m_children.clear();
    for (auto& [hwnd, top] : m_windows) m_input->Forget(*top);
    m_windows.clear();
    m_input.reset();
}

RECT GtkBackend::ScreenRect() const { return PrimaryMonitorRect(); }
RECT GtkBackend::WorkArea() const { return PrimaryWorkArea(); }

std::uint64_t GtkBackend::Now() const { return static_cast<std::uint64_t>(g_get_monotonic_time() / 1000); }

void GtkBackend::WaitForEvents(std::optional<std::uint64_t> deadline) {
    SyncNativeChildren();
    Wake wake;
    guint source = 0;
    if (deadline) {
        const std::uint64_t now = Now();
        if (*deadline <= now) {
            g_main_context_iteration(nullptr, FALSE);
            return;
        }
        const std::uint64_t wait = std::min<std::uint64_t>(*deadline - now, std::numeric_limits<guint>::max());
        // Below GTK's own layout and redraw: a program whose timer is always due (every 10 ms)
        // must not keep the windows from being drawn.
        source = g_timeout_add_full(G_PRIORITY_LOW, static_cast<guint>(wait), OnWake, &wake, nullptr);
    }
    // One blocking iteration: whatever it delivers, the window system looks at its queue again.
    g_main_context_iteration(nullptr, TRUE);
    if (source && !wake.fired) g_source_remove(source);
}

// --- Top-level windows ---

GtkTopLevel* GtkBackend::FindTopLevel(HWND hwnd) const {
    auto it = hwnd ? m_windows.find(hwnd) : m_windows.end();
    return it == m_windows.end() ? nullptr : it->second.get();
}

void GtkBackend::CreateNativeWindow(HWND hwnd, RECT bounds, const std::u16string& title, const NativeWindowStyle& style) {
    DestroyNativeWindow(hwnd);
    m_windows[hwnd] = std::make_unique<GtkTopLevel>(*this, hwnd, bounds, title, style);
}

void GtkBackend::DestroyNativeWindow(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) return;
    for (auto& [childHandle, child] : m_children) {
        if (child->Host() == it->second.get()) child->Place(nullptr, {}, false);
    }
    m_input->Forget(*it->second);
    // Taken out of the table first: destroying the GTK window may call back.
    std::unique_ptr<GtkTopLevel> top = std::move(it->second);
    m_windows.erase(it);
    top.reset();
}

void GtkBackend::ShowNativeWindow(HWND hwnd, bool activate) {
    if (GtkTopLevel* top = FindTopLevel(hwnd)) top->Show(activate);
}

void GtkBackend::HideNativeWindow(HWND hwnd) {
    if (GtkTopLevel* top = FindTopLevel(hwnd)) top->Hide();
}

void GtkBackend::MinimizeNativeWindow(HWND hwnd) {
    if (GtkTopLevel* top = FindTopLevel(hwnd)) top->Minimize();
}

void GtkBackend::SetNativeBounds(HWND hwnd, RECT bounds) {
    if (GtkTopLevel* top = FindTopLevel(hwnd)) top->SetBounds(bounds);
}

void GtkBackend::SetNativeTitle(HWND hwnd, const std::u16string& title) {
    if (GtkTopLevel* top = FindTopLevel(hwnd)) top->SetTitle(title);
}

void GtkBackend::SetNativeStyle(HWND hwnd, const NativeWindowStyle& style) {
    if (GtkTopLevel* top = FindTopLevel(hwnd)) top->SetStyle(style);
}

void GtkBackend::RaiseNativeWindow(HWND hwnd, bool activate) {
    if (GtkTopLevel* top = FindTopLevel(hwnd)) top->Raise(activate);
}

void GtkBackend::RaiseOwnedWindows(HWND owner) {
    std::vector<HWND> owned;
    for (auto& [hwnd, top] : m_windows) {
        if (top->Style().owner == owner && top->IsShown() && hwnd != owner) owned.push_back(hwnd);
    }
    for (HWND hwnd : owned) {
        GtkTopLevel* top = FindTopLevel(hwnd);
        if (!top) continue;
        if (GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(top->Window())); window && gtk_widget_get_mapped(GTK_WIDGET(top->Window()))) {
            gdk_window_raise(window);
        }
        RaiseOwnedWindows(hwnd);
    }
}

void GtkBackend::Present(HWND hwnd, const gfx::Surface& image) {
    if (GtkTopLevel* top = FindTopLevel(hwnd)) top->Present(image);
    SyncNativeChildren();
}

void GtkBackend::OnCompositedChanged(GdkScreen*, gpointer self) {
    for (auto& [hwnd, top] : static_cast<GtkBackend*>(self)->m_windows) top->RefreshAfterCompositingChange();
}

// --- Interaction ---

void GtkBackend::BeginInteractiveMove(HWND hwnd, POINT) {
    if (GtkTopLevel* top = FindTopLevel(hwnd)) m_input->BeginInteractiveMove(*top);
}

UINT GtkBackend::TrackPopupMenu(HWND owner, const MenuModel& menu, POINT screen, UINT flags) {
    const win::Window* record = win::FindWindowRecord(owner);
    GtkTopLevel* top = nullptr;
    for (HWND hwnd = owner; record && !top;) {
        top = FindTopLevel(hwnd);
        if (win::IsTopLevel(*record)) break;
        hwnd = record->parent;
        record = win::FindWindowRecord(hwnd);
    }
    return RunPopupMenu(menu, screen, flags, top ? top->Window() : nullptr, m_input->LastPress());
}

GtkWindow* GtkBackend::DialogParentFor(HWND owner) const {
    // The nearest shown window up the parents and owners.
    for (const win::Window* record = win::FindWindowRecord(owner); record;) {
        if (GtkTopLevel* top = FindTopLevel(record->hwnd); top && top->IsShown()) return top->Window();
        record = win::FindWindowRecord(win::IsTopLevel(*record) ? record->owner : record->parent);
    }
    return nullptr;
}

int GtkBackend::ShowMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type) {
    return RunMessageBox(DialogParentFor(owner), text, caption, type);
}

// --- Native children ---

bool GtkBackend::SupportsNativeChild(NativeChildKind) const { return true; }

void GtkBackend::CreateNativeChild(HWND hwnd, NativeChildKind kind) {
    DestroyNativeChild(hwnd);
    if (kind == NativeChildKind::Entry) {
        m_children[hwnd] = std::make_unique<GtkNativeEntry>(*this, hwnd);
    } else {
        GtkWidget* holder = gtk_event_box_new();
        gtk_event_box_set_visible_window(GTK_EVENT_BOX(holder), FALSE);
        m_children[hwnd] = std::make_unique<GtkNativeChild>(hwnd, kind, holder);
    }
    SyncNativeChildren();
}

void GtkBackend::DestroyNativeChild(HWND hwnd) {
    auto it = m_children.find(hwnd);
    if (it == m_children.end()) return;
    std::unique_ptr<GtkNativeChild> child = std::move(it->second);
    m_children.erase(it);
    GtkTopLevel* host = child->Host();
    child.reset();
    if (host) SyncNativeChildren();
}

GtkNativeEntry* GtkBackend::FindEntry(HWND hwnd) const {
    auto it = m_children.find(hwnd);
    if (it == m_children.end() || it->second->Kind() != NativeChildKind::Entry) return nullptr;
    return static_cast<GtkNativeEntry*>(it->second.get());
}

void GtkBackend::SetEntryText(HWND hwnd, const std::u16string& text) {
    if (GtkNativeEntry* entry = FindEntry(hwnd)) entry->SetText(text);
}

void GtkBackend::SetEntrySelection(HWND hwnd, int start, int end) {
    if (GtkNativeEntry* entry = FindEntry(hwnd)) entry->SetSelection(start, end);
}

void GtkBackend::SetEntryLook(HWND hwnd, const EntryLook& look) {
    if (GtkNativeEntry* entry = FindEntry(hwnd)) entry->SetLook(look);
}

void GtkBackend::SetEntryFocus(HWND hwnd, bool focused) {
    if (GtkNativeEntry* entry = FindEntry(hwnd)) {
        // The entry must be in its window to take the keyboard.
        if (focused) SyncNativeChildren();
        entry->SetSystemFocus(focused);
    }
}

void GtkBackend::DeliverEntryKey(HWND hwnd, UINT virtualKey) {
    if (GtkNativeEntry* entry = FindEntry(hwnd)) entry->DeliverKey(virtualKey);
}

GtkNativeEntry* GtkBackend::FocusedEntryOf(GtkTopLevel& top) const {
    GtkWidget* focus = gtk_window_get_focus(top.Window());
    if (!focus) return nullptr;
    for (auto& [hwnd, child] : m_children) {
        if (child->Widget() == focus && child->Kind() == NativeChildKind::Entry) return static_cast<GtkNativeEntry*>(child.get());
    }
    return nullptr;
}

GtkWidget* GtkBackend::PageHolder(HWND hwnd) const {
    auto it = m_children.find(hwnd);
    return it == m_children.end() || it->second->Kind() != NativeChildKind::Page ? nullptr : it->second->Widget();
}

void GtkBackend::SyncNativeChildren() {
    std::map<GtkTopLevel*, std::vector<RECT>> shown;
    for (auto& [hwnd, child] : m_children) {
        std::optional<Placement> placement = PlacementOf(hwnd);
        GtkTopLevel* host = placement ? FindTopLevel(placement->root) : nullptr;
        if (!host) {
            if (child->Host()) child->Place(nullptr, {}, false);
            continue;
        }
        if (child->Host() != host || !(child->Rect() == placement->rect) || child->IsVisible() != placement->visible) {
            child->Place(host, placement->rect, placement->visible);
        }
        if (placement->visible) shown[host].push_back(placement->rect);
    }
    for (auto& [hwnd, top] : m_windows) top->SetChildRects(shown[top.get()]);
}

}  // namespace qx::backend::gtk
