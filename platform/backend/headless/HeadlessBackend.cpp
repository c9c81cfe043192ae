#include "platform/backend/headless/HeadlessBackend.h"

#include "platform/win/WinApi.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>

namespace qx::backend {

namespace {

// Copies image into kept, reusing kept's pixels unless a test still holds the earlier image.
void CopyInto(gfx::SurfacePtr& kept, const gfx::Surface& image) {
    if (!kept || kept.use_count() > 1) {
        kept = std::make_shared<gfx::Surface>(image.width(), image.height());
    } else if (kept->width() != image.width() || kept->height() != image.height()) {
        kept->Resize(image.width(), image.height());
    }
    cairo_t* cr = cairo_create(kept->cairo());
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, image.cairo(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
}

int FirstButtonOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return IDOK;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    default: return IDOK;
    }
}

}  // namespace

HeadlessBackend::HeadlessBackend(HeadlessOptions options) : m_options(options) {}

void HeadlessBackend::WaitForEvents(std::optional<std::uint64_t>) {
    if (!m_script.empty()) {
        Step step = std::move(m_script.front());
        m_script.pop_front();
        step();
        return;
    }
    // Nothing more will ever happen: end the run rather than wait for ever.
    ++m_scriptEnds;
    std::fprintf(stderr, "headless: a message loop waited with no script step left; ending the run\n");
    PostQuitMessage(0);
}

HeadlessWindow* HeadlessBackend::Record(HWND hwnd) {
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

const HeadlessWindow* HeadlessBackend::FindWindow(HWND hwnd) const {
    auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : &it->second;
}

void HeadlessBackend::CreateNativeWindow(HWND hwnd, RECT bounds, const std::u16string& title, const NativeWindowStyle& style) {
    HeadlessWindow& window = m_windows[hwnd];
    window.bounds = bounds;
    window.title = title;
    window.style = style;
}

void HeadlessBackend::DestroyNativeWindow(HWND hwnd) {
    m_windows.erase(hwnd);
    m_children.erase(hwnd);
    if (m_active == hwnd) m_active = nullptr;
    if (m_moving == hwnd) m_moving = nullptr;
}

void HeadlessBackend::ShowNativeWindow(HWND hwnd, bool activate) {
    if (HeadlessWindow* window = Record(hwnd)) {
        window->visible = true;
        window->minimized = false;
        if (activate) m_active = hwnd;
    }
}

void HeadlessBackend::HideNativeWindow(HWND hwnd) {
    if (HeadlessWindow* window = Record(hwnd)) window->visible = false;
    if (m_active == hwnd) m_active = nullptr;
}

void HeadlessBackend::MinimizeNativeWindow(HWND hwnd) {
    if (HeadlessWindow* window = Record(hwnd)) window->minimized = true;
    if (m_active == hwnd) m_active = nullptr;
}

void HeadlessBackend::SetNativeBounds(HWND hwnd, RECT bounds) {
    if (HeadlessWindow* window = Record(hwnd)) window->bounds = bounds;
}

void HeadlessBackend::SetNativeTitle(HWND hwnd, const std::u16string& title) {
    if (HeadlessWindow* window = Record(hwnd)) window->title = title;
}

void HeadlessBackend::SetNativeStyle(HWND hwnd, const NativeWindowStyle& style) {
    if (HeadlessWindow* window = Record(hwnd)) window->style = style;
}

void HeadlessBackend::RaiseNativeWindow(HWND hwnd, bool activate) {
    if (activate && Record(hwnd)) m_active = hwnd;
}

void HeadlessBackend::Present(HWND hwnd, const gfx::Surface& image) {
    if (HeadlessWindow* window = Record(hwnd)) {
        CopyInto(window->image, image);
        ++window->presentCount;
    }
}

void HeadlessBackend::BeginInteractiveMove(HWND hwnd, POINT screen) {
    const HeadlessWindow* window = Record(hwnd);
    if (!window) return;
    m_moving = hwnd;
    m_moveStart = screen;
    m_moveStartBounds = window->bounds;
}

UINT HeadlessBackend::TrackPopupMenu(HWND owner, const MenuModel& menu, POINT screen, UINT flags) {
    ShownMenu shown{owner, menu, screen, flags, 0};
    shown.chosen = m_menuChooser ? m_menuChooser(shown) : 0;
    m_menus.push_back(shown);
    return shown.chosen;
}

int HeadlessBackend::ShowMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT type) {
    ShownMessageBox shown{owner, text, caption, type, 0};
    shown.answer = m_messageBoxAnswerer ? m_messageBoxAnswerer(shown) : FirstButtonOf(type);
    m_messageBoxes.push_back(shown);
    return shown.answer;
}

bool HeadlessBackend::SupportsNativeChild(NativeChildKind kind) const {
    return kind == NativeChildKind::Entry && m_options.nativeEntries;
}

void HeadlessBackend::CreateNativeChild(HWND hwnd, NativeChildKind kind) {
    if (!SupportsNativeChild(kind)) return;
    m_children[hwnd] = HeadlessNativeChild{kind};
}

void HeadlessBackend::DestroyNativeChild(HWND hwnd) { m_children.erase(hwnd); }

const HeadlessNativeChild* HeadlessBackend::FindNativeChild(HWND hwnd) const {
    auto it = m_children.find(hwnd);
    return it == m_children.end() ? nullptr : &it->second;
}

void HeadlessBackend::SetEntryText(HWND hwnd, const std::u16string& text) {
    auto it = m_children.find(hwnd);
    if (it == m_children.end()) return;
    it->second.text = text;
    it->second.selectionStart = it->second.selectionEnd = 0;
}

void HeadlessBackend::SetEntrySelection(HWND hwnd, int start, int end) {
    auto it = m_children.find(hwnd);
    if (it == m_children.end()) return;
    const int length = static_cast<int>(it->second.text.size());
    if (end < 0 || end > length) end = length;
    start = std::clamp(start, 0, length);
    it->second.selectionStart = std::min(start, end);
    it->second.selectionEnd = std::max(start, end);
}

void HeadlessBackend::SetEntryLook(HWND hwnd, const EntryLook& look) {
    if (auto it = m_children.find(hwnd); it != m_children.end()) it->second.look = look;
}

void HeadlessBackend::SetEntryFocus(HWND hwnd, bool focused) {
    if (auto it = m_children.find(hwnd); it != m_children.end()) it->second.focused = focused;
}

void HeadlessBackend::DeliverEntryKey(HWND hwnd, UINT virtualKey) {
    if (auto it = m_children.find(hwnd); it != m_children.end()) it->second.deliveredKeys.push_back(virtualKey);
}

void HeadlessBackend::EditEntry(HWND hwnd, const std::u16string& text, int start, int end) {
    auto it = m_children.find(hwnd);
    if (it == m_children.end()) return;
    it->second.text = text;
    it->second.selectionStart = start;
    it->second.selectionEnd = end;
    if (m_delegate) m_delegate->OnEntryChanged(hwnd, text, start, end);
}

void HeadlessBackend::ClickIntoNativeChild(HWND hwnd) {
    if (m_children.count(hwnd) && m_delegate) m_delegate->OnNativeChildFocus(hwnd);
}

void HeadlessBackend::MovePointer(POINT screen) {
    if (m_moving) {
        RECT bounds = m_moveStartBounds;
        const LONG dx = screen.x - m_moveStart.x;
        const LONG dy = screen.y - m_moveStart.y;
        bounds = {bounds.left + dx, bounds.top + dy, bounds.right + dx, bounds.bottom + dy};
        if (HeadlessWindow* window = Record(m_moving)) window->bounds = bounds;
        if (m_delegate) m_delegate->OnConfigure(m_moving, bounds);
        return;
    }
    if (m_delegate) m_delegate->OnPointerMove(screen);
}

void HeadlessBackend::Press(POINT screen, MouseButton button) {
    if (m_delegate) m_delegate->OnPointerPress(screen, button);
}

void HeadlessBackend::Release(POINT screen, MouseButton button) {
    if (m_moving) {
        m_moving = nullptr;
        return;
    }
    if (m_delegate) m_delegate->OnPointerRelease(screen, button);
}

void HeadlessBackend::Click(POINT screen, MouseButton button) {
    Press(screen, button);
    Release(screen, button);
}

void HeadlessBackend::DoubleClick(POINT screen, MouseButton button) {
    Click(screen, button);
    Click(screen, button);
}

void HeadlessBackend::KeyDown(UINT virtualKey, char16_t character) {
    if (m_delegate) m_delegate->OnKeyDown(virtualKey, character);
}

void HeadlessBackend::KeyUp(UINT virtualKey) {
    if (m_delegate) m_delegate->OnKeyUp(virtualKey);
}

void HeadlessBackend::Key(UINT virtualKey, char16_t character) {
    KeyDown(virtualKey, character);
    KeyUp(virtualKey);
}

void HeadlessBackend::TypeText(const std::u16string& text) {
    if (m_delegate) m_delegate->OnText(text);
}

void HeadlessBackend::Configure(HWND hwnd, RECT bounds) {
    if (HeadlessWindow* window = Record(hwnd)) window->bounds = bounds;
    if (m_delegate) m_delegate->OnConfigure(hwnd, bounds);
}

void HeadlessBackend::RequestClose(HWND hwnd) {
    if (m_delegate) m_delegate->OnCloseRequest(hwnd);
}

void HeadlessBackend::RequestShow(HWND hwnd, int showCommand) {
    if (m_delegate) m_delegate->OnShowRequest(hwnd, showCommand);
}

void HeadlessBackend::ActivateFromDesktop(HWND hwnd) {
    m_active = hwnd;
    if (m_delegate) m_delegate->OnActivated(hwnd);
}

}  // namespace qx::backend
