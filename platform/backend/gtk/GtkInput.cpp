#include "platform/backend/gtk/GtkInput.h"

#include "platform/backend/gtk/GtkBackend.h"
#include "platform/backend/gtk/GtkDesktop.h"
#include "platform/backend/gtk/GtkManagedMove.h"
#include "platform/backend/gtk/GtkNativeEntry.h"
#include "platform/backend/gtk/GtkTopLevel.h"
#include "platform/backend/gtk/GtkWindowDrag.h"
#include "platform/backend/gtk/KeyMapping.h"
#include "platform/base/Strings.h"

#include <cmath>

namespace qx::backend::gtk {

namespace {

// How long the desktop may take to answer a focus request (microseconds).
constexpr gint64 kFocusAnswerTime = 500 * 1000;

POINT ScreenPoint(double xRoot, double yRoot) {
    return {static_cast<LONG>(std::floor(xRoot)), static_cast<LONG>(std::floor(yRoot))};
}

bool ButtonOf(guint number, MouseButton& button) {
    switch (number) {
    case 1: button = MouseButton::Left; return true;
    case 2: button = MouseButton::Middle; return true;
    case 3: button = MouseButton::Right; return true;
    default: return false;  // wheel clicks of old servers, side buttons
    }
}

// The key's symbol without Shift and the like, so that the virtual key names the key itself.
guint BaseKeyval(GdkEventKey* event) {
    guint keyval = 0;
    GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event->window));
    if (gdk_keymap_translate_keyboard_state(keymap, event->hardware_keycode, static_cast<GdkModifierType>(0),
                                            event->group, &keyval, nullptr, nullptr, nullptr) &&
        keyval) {
        return keyval;
    }
    return event->keyval;
}

UINT VirtualKeyOf(GdkEventKey* event) {
    UINT key = VirtualKeyFromKeyval(BaseKeyval(event));
    return key ? key : VirtualKeyFromKeyval(event->keyval);
}

}  // namespace

GtkInput::GtkInput(GtkBackend& backend) : m_backend(backend) {
    m_im = gtk_im_multicontext_new();
    g_signal_connect(m_im, "commit", G_CALLBACK(OnCommit), this);
}

GtkInput::~GtkInput() {
    m_drag.reset();
    m_managedMove.reset();
    g_signal_handlers_disconnect_by_data(m_im, this);
    gtk_im_context_set_client_window(m_im, nullptr);
    g_object_unref(m_im);
    if (m_lastPress) gdk_event_free(m_lastPress);
}

WindowSystemDelegate* GtkInput::Delegate() const { return m_backend.Delegate(); }

// --- Pointer ---

gboolean GtkInput::ButtonPress(GtkTopLevel& top, GdkEventButton* event) {
    m_lastTime = event->time;
    // A window manager raises the window clicked on before the press comes here, over the
    // windows it owns (the pair's main window over its background): put them back on top.
    if (WindowManagerRuns()) m_backend.RaiseOwnedWindows(top.Handle());
    // The second press of a double click comes twice from GTK: as a press and as a double
    // press. The window system tells double clicks itself, so only the presses count.
    if (event->type != GDK_BUTTON_PRESS) return TRUE;
    MouseButton button;
    if (!ButtonOf(event->button, button)) return FALSE;
    if (m_lastPress) gdk_event_free(m_lastPress);
    m_lastPress = gdk_event_copy(reinterpret_cast<GdkEvent*>(event));
    if (button == MouseButton::Left) m_leftDown = true;
    if (WindowSystemDelegate* delegate = Delegate()) delegate->OnPointerPress(ScreenPoint(event->x_root, event->y_root), button);
    return TRUE;
}

gboolean GtkInput::ButtonRelease(GtkTopLevel&, GdkEventButton* event) {
    m_lastTime = event->time;
    MouseButton button;
    if (!ButtonOf(event->button, button)) return FALSE;
    if (button == MouseButton::Left) m_leftDown = false;
    if (m_drag) {
        // The release ends the move; the program never sees it, as with a window manager's move.
        if (button == MouseButton::Left) m_drag.reset();
        return TRUE;
    }
    if (WindowSystemDelegate* delegate = Delegate()) delegate->OnPointerRelease(ScreenPoint(event->x_root, event->y_root), button);
    return TRUE;
}

gboolean GtkInput::Motion(GtkTopLevel&, GdkEventMotion* event) {
    m_lastTime = event->time;
    const POINT where = ScreenPoint(event->x_root, event->y_root);
    if (m_drag) {
        m_drag->Follow(where);
        return TRUE;
    }
    if (WindowSystemDelegate* delegate = Delegate()) delegate->OnPointerMove(where);
    return FALSE;
}

gboolean GtkInput::Crossing(GtkTopLevel&, GdkEventCrossing* event) {
    m_lastTime = event->time;
    // Moving onto a native child inside the window is no crossing for the window system; the
    // child reports its own motion.
    if (event->detail == GDK_NOTIFY_INFERIOR || m_drag) return FALSE;
    if (WindowSystemDelegate* delegate = Delegate()) delegate->OnPointerMove(ScreenPoint(event->x_root, event->y_root));
    return FALSE;
}

void GtkInput::BeginInteractiveMove(GtkTopLevel& top) {
    // A move that starts after the button came up would follow the pointer until the next click.
    if (!m_leftDown || !gtk_widget_get_mapped(GTK_WIDGET(top.Window()))) return;
    POINT start{};
    if (m_lastPress) {
        start = ScreenPoint(m_lastPress->button.x_root, m_lastPress->button.y_root);
    }
    if (WindowManagerRuns()) {
        gtk_window_begin_move_drag(top.Window(), 1, start.x, start.y, m_lastTime);
        m_leftDown = false;  // the window manager has the button now
        m_managedMove = std::make_unique<GtkManagedMove>(m_backend, top.Handle());
        return;
    }
    m_drag = std::make_unique<GtkWindowDrag>(m_backend, top.Handle(), start, m_lastPress);
    if (!m_drag->IsActive()) m_drag.reset();
}

bool GtkInput::IsMoving() const { return m_drag != nullptr; }

// --- Keys ---

gboolean GtkInput::KeyPress(GtkTopLevel& top, GdkEventKey* event) {
    m_lastTime = event->time;
    // A key the entry did not want after all comes up to the window again: it is done with.
    if (m_deliveringToEntry) return TRUE;
    WindowSystemDelegate* delegate = Delegate();
    if (GtkNativeEntry* entry = m_backend.FocusedEntryOf(top)) {
        const UINT key = VirtualKeyOf(event);
        const bool control = (event->state & GDK_CONTROL_MASK) != 0;
        const char16_t character = CharacterOfKey(event->keyval, gdk_keyval_to_unicode(event->keyval), control);
        entry->HoldKey(key, event);
        if (delegate && !entry->HasSystemFocus()) delegate->OnNativeChildFocus(entry->Handle());
        if (delegate) delegate->OnKeyDown(key, character);
        return TRUE;
    }
    m_committed.clear();
    m_filtering = true;
    const bool taken = gtk_im_context_filter_keypress(m_im, event);
    m_filtering = false;
    if (!taken) {
        ReportKeyDown(event, {}, false);
    } else if (!m_committed.empty()) {
        ReportKeyDown(event, m_committed, true);
    }
    return TRUE;
}

void GtkInput::ReportKeyDown(GdkEventKey* event, const std::u16string& committed, bool committedSome) {
    WindowSystemDelegate* delegate = Delegate();
    if (!delegate) return;
    const UINT key = VirtualKeyOf(event);
    const bool control = (event->state & GDK_CONTROL_MASK) != 0;
    const std::uint32_t codePoint = gdk_keyval_to_unicode(event->keyval);
    const char16_t character = CharacterOfKey(event->keyval, codePoint, control);
    if (committedSome && !(committed.size() == 1 && committed[0] == character)) {
        // The input method made something else of the key (a composed letter): it is text.
        delegate->OnText(committed);
        return;
    }
    if (key || character) delegate->OnKeyDown(key, character);
    // A character beyond the first plane cannot ride on the key; it comes as text.
    if (!character && codePoint > 0xFFFF && !control) {
        gchar utf8[8] = {};
        g_unichar_to_utf8(codePoint, utf8);
        delegate->OnText(Utf8ToWide(utf8));
    }
}

gboolean GtkInput::KeyRelease(GtkTopLevel& top, GdkEventKey* event) {
    m_lastTime = event->time;
    if (m_deliveringToEntry) return TRUE;
    const UINT key = VirtualKeyOf(event);
    if (WindowSystemDelegate* delegate = Delegate(); delegate && key) delegate->OnKeyUp(key);
    // An entry's input method may want the release too.
    if (m_backend.FocusedEntryOf(top)) return FALSE;
    gtk_im_context_filter_keypress(m_im, event);
    return TRUE;
}

void GtkInput::OnCommit(GtkIMContext*, gchar* text, gpointer self) {
    auto* input = static_cast<GtkInput*>(self);
    if (input->m_filtering) {
        input->m_committed += Utf8ToWide(text);
        return;
    }
    if (WindowSystemDelegate* delegate = input->Delegate()) delegate->OnText(Utf8ToWide(text));
}

bool GtkInput::FocusIn(GtkTopLevel& top) {
    m_imWindow = &top;
    gtk_im_context_set_client_window(m_im, gtk_widget_get_window(GTK_WIDGET(top.Window())));
    gtk_im_context_focus_in(m_im);
    if (m_focusAsked && g_get_monotonic_time() < m_focusAskedUntil) {
        // Until the window asked for has it, focus changes are answers to our own requests;
        // reporting them would start the requests over (two windows taking turns for ever).
        if (m_focusAsked == &top) m_focusAsked = nullptr;
        return false;
    }
    m_focusAsked = nullptr;
    return true;
}

void GtkInput::ExpectFocus(GtkTopLevel& top) {
    m_focusAsked = &top;
    m_focusAskedUntil = g_get_monotonic_time() + kFocusAnswerTime;
}

void GtkInput::FocusOut(GtkTopLevel& top) {
    if (m_imWindow != &top) return;
    gtk_im_context_focus_out(m_im);
}

void GtkInput::Forget(GtkTopLevel& top) {
    if (m_focusAsked == &top) m_focusAsked = nullptr;
    if (m_drag && m_drag->Handle() == top.Handle()) m_drag.reset();
    if (m_managedMove && m_managedMove->Handle() == top.Handle()) m_managedMove.reset();
    if (m_imWindow == &top) {
        gtk_im_context_focus_out(m_im);
        gtk_im_context_set_client_window(m_im, nullptr);
        m_imWindow = nullptr;
    }
}

}  // namespace qx::backend::gtk
