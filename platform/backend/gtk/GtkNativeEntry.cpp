#include "platform/backend/gtk/GtkNativeEntry.h"

#include "platform/backend/gtk/GtkBackend.h"
#include "platform/backend/gtk/GtkInput.h"
#include "platform/backend/gtk/GtkTopLevel.h"
#include "platform/base/Strings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qx::backend::gtk {

namespace {

// Presses held longer than this many are old news: the window system swallowed them.
constexpr std::size_t kHeldKeysKept = 64;
constexpr int kDefaultFontPixels = 13;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

std::string CssColor(COLORREF color) {
    char text[32];
    std::snprintf(text, sizeof text, "rgb(%u,%u,%u)", static_cast<unsigned>(color & 0xFF),
                  static_cast<unsigned>((color >> 8) & 0xFF), static_cast<unsigned>((color >> 16) & 0xFF));
    return text;
}

// A family name inside CSS quotes: quotes and backslashes would end it early.
std::string CssFamily(const std::u16string& face) {
    std::string family;
    for (char c : WideToUtf8(face)) {
        if (c != '"' && c != '\\' && c != '\n') family += c;
    }
    return family;
}

}  // namespace

int CharacterOffsetOf(const std::u16string& text, int unitOffset) {
    int characters = 0;
    const int end = std::clamp(unitOffset, 0, static_cast<int>(text.size()));
    for (int i = 0; i < end; ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < end) ++i;
        ++characters;
    }
    return characters;
}

int UnitOffsetOf(const std::u16string& text, int characterOffset) {
    int units = 0;
    for (int c = 0; c < characterOffset && units < static_cast<int>(text.size()); ++c) {
        units += IsHighSurrogate(text[units]) && units + 1 < static_cast<int>(text.size()) ? 2 : 1;
    }
    return units;
}

GtkNativeEntry::GtkNativeEntry(GtkBackend& backend, HWND hwnd)
    : GtkNativeChild(hwnd, NativeChildKind::Entry, gtk_entry_new()), m_backend(backend) {
    GtkEntry* entry = Entry();
    gtk_entry_set_has_frame(entry, FALSE);
    // The window system gives the size; the entry must not ask for more.
    gtk_entry_set_width_chars(entry, 1);
    m_css = gtk_css_provider_new();
    gtk_style_context_add_provider(gtk_widget_get_style_context(Widget()), GTK_STYLE_PROVIDER(m_css),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    SetLook(EntryLook{});
    gtk_widget_add_events(Widget(), GDK_POINTER_MOTION_MASK | GDK_ENTER_NOTIFY_MASK);
    g_signal_connect(entry, "changed", G_CALLBACK(OnChanged), this);
    g_signal_connect(entry, "notify::cursor-position", G_CALLBACK(OnSelectionMoved), this);
    g_signal_connect(entry, "notify::selection-bound", G_CALLBACK(OnSelectionMoved), this);
    g_signal_connect(entry, "focus-in-event", G_CALLBACK(OnFocusIn), this);
    g_signal_connect(entry, "focus-out-event", G_CALLBACK(OnFocusOut), this);
    g_signal_connect(entry, "motion-notify-event", G_CALLBACK(OnPointer), this);
    g_signal_connect(entry, "enter-notify-event", G_CALLBACK(OnPointer), this);
    g_signal_connect(entry, "button-press-event", G_CALLBACK(OnButton), this);
    g_signal_connect(entry, "button-release-event", G_CALLBACK(OnButton), this);
}

GtkNativeEntry::~GtkNativeEntry() {
    g_signal_handlers_disconnect_by_data(Widget(), this);
    DropHeldKeys();
    g_object_unref(m_css);
}

std::u16string GtkNativeEntry::Text() const { return Utf8ToWide(gtk_entry_get_text(Entry())); }

void GtkNativeEntry::SetText(const std::u16string& text) {
    ++m_quiet;
    gtk_entry_set_text(Entry(), WideToUtf8(text).c_str());
    gtk_editable_set_position(GTK_EDITABLE(Entry()), 0);
    --m_quiet;
    m_reportedText = text;
    m_reportedStart = m_reportedEnd = 0;
}

void GtkNativeEntry::SetSelection(int start, int end) {
    const std::u16string text = Text();
    const int length = static_cast<int>(text.size());
    if (end < 0 || end > length) end = length;
    start = std::clamp(start, 0, length);
    ++m_quiet;
    gtk_editable_select_region(GTK_EDITABLE(Entry()), CharacterOffsetOf(text, start), CharacterOffsetOf(text, end));
    --m_quiet;
    m_reportedStart = std::min(start, end);
    m_reportedEnd = std::max(start, end);
}

void GtkNativeEntry::SetLook(const EntryLook& look) {
    std::string css = "entry { border: none; box-shadow: none; outline: none; border-radius: 0; min-height: 0;"
                      " padding: 0 2px; background-image: none;";
    css += " color: " + CssColor(look.text) + "; caret-color: " + CssColor(look.text) + ";";
    css += look.transparentBackground ? " background-color: transparent;" : " background-color: " + CssColor(look.background) + ";";
    if (!look.fontFace.empty()) css += " font-family: \"" + CssFamily(look.fontFace) + "\";";
    css += " font-size: " + std::to_string(look.fontPixelHeight > 0 ? look.fontPixelHeight : kDefaultFontPixels) + "px;";
    css += look.bold ? " font-weight: bold; }" : " font-weight: normal; }";
    gtk_css_provider_load_from_data(m_css, css.c_str(), -1, nullptr);
    gtk_editable_set_editable(GTK_EDITABLE(Entry()), !look.readOnly);
    m_mouseThrough = look.mouseThrough;
}

void GtkNativeEntry::SetSystemFocus(bool focused) {
    m_systemFocus = focused;
    ++m_quiet;
    if (focused) {
        // Focusing must not select the text: the selection is the window system's.
        gtk_entry_grab_focus_without_selecting(Entry());
    } else if (gtk_widget_is_focus(Widget())) {
        if (GtkWidget* top = gtk_widget_get_toplevel(Widget()); GTK_IS_WINDOW(top)) gtk_window_set_focus(GTK_WINDOW(top), nullptr);
    }
    --m_quiet;
    if (!focused) DropHeldKeys();
}

void GtkNativeEntry::HoldKey(UINT virtualKey, GdkEventKey* event) {
    if (m_held.size() >= kHeldKeysKept) {
        gdk_event_free(m_held.front().event);
        m_held.pop_front();
    }
    m_held.push_back({virtualKey, gdk_event_copy(reinterpret_cast<GdkEvent*>(event))});
}

void GtkNativeEntry::DeliverKey(UINT virtualKey) {
    while (!m_held.empty()) {
        HeldKey held = m_held.front();
        m_held.pop_front();
        if (held.virtualKey == virtualKey) {
            GtkInput& input = m_backend.Input();
            input.m_deliveringToEntry = true;
            gtk_widget_event(Widget(), held.event);
            input.m_deliveringToEntry = false;
            gdk_event_free(held.event);
            return;
        }
        gdk_event_free(held.event);
    }
}

void GtkNativeEntry::DropHeldKeys() {
    for (HeldKey& held : m_held) gdk_event_free(held.event);
    m_held.clear();
}

void GtkNativeEntry::ReportChange() {
    if (m_quiet) return;
    const std::u16string text = Text();
    gint start = 0;
    gint end = 0;
    if (!gtk_editable_get_selection_bounds(GTK_EDITABLE(Entry()), &start, &end)) {
        start = end = gtk_editable_get_position(GTK_EDITABLE(Entry()));
    }
    const int unitStart = UnitOffsetOf(text, start);
    const int unitEnd = UnitOffsetOf(text, end);
    if (text == m_reportedText && unitStart == m_reportedStart && unitEnd == m_reportedEnd) return;
    m_reportedText = text;
    m_reportedStart = unitStart;
    m_reportedEnd = unitEnd;
    if (WindowSystemDelegate* delegate = m_backend.Delegate()) delegate->OnEntryChanged(Handle(), text, unitStart, unitEnd);
}

void GtkNativeEntry::OnChanged(GtkEditable*, gpointer self) { static_cast<GtkNativeEntry*>(self)->ReportChange(); }

void GtkNativeEntry::OnSelectionMoved(GObject*, GParamSpec*, gpointer self) {
    static_cast<GtkNativeEntry*>(self)->ReportChange();
}

gboolean GtkNativeEntry::OnFocusIn(GtkWidget*, GdkEventFocus*, gpointer self) {
    auto* entry = static_cast<GtkNativeEntry*>(self);
    // Focus the user gave (a click into the entry); the window system moves its own focus.
    if (!entry->m_quiet && !entry->m_systemFocus) {
        if (WindowSystemDelegate* delegate = entry->m_backend.Delegate()) delegate->OnNativeChildFocus(entry->Handle());
    }
    return FALSE;
}

gboolean GtkNativeEntry::OnFocusOut(GtkWidget*, GdkEventFocus*, gpointer) { return FALSE; }

gboolean GtkNativeEntry::OnButton(GtkWidget*, GdkEventButton* event, gpointer self) {
    auto* entry = static_cast<GtkNativeEntry*>(self);
    GtkTopLevel* host = entry->Host();
    if (!entry->m_mouseThrough || !host) return FALSE;
    // The window system decides where the press goes (the window below, to drag it).
    GtkInput& input = entry->m_backend.Input();
    return event->type == GDK_BUTTON_RELEASE ? input.ButtonRelease(*host, event) : input.ButtonPress(*host, event);
}

gboolean GtkNativeEntry::OnPointer(GtkWidget*, GdkEvent* event, gpointer self) {
    auto* entry = static_cast<GtkNativeEntry*>(self);
    gdouble x = 0;
    gdouble y = 0;
    if (!gdk_event_get_root_coords(event, &x, &y)) return FALSE;
    if (WindowSystemDelegate* delegate = entry->m_backend.Delegate()) {
        delegate->OnPointerMove({static_cast<LONG>(std::floor(x)), static_cast<LONG>(std::floor(y))});
    }
    return FALSE;
}

}  // namespace qx::backend::gtk
