#pragma once
// A native entry: a GtkEntry that edits and draws the text of an edit window. What the window
// system sets is not echoed; what the user changes goes up (OnEntryChanged). A key pressed in
// the entry is held here and goes to the window system first; the entry gets it only when the
// window system delivers it (DeliverEntryKey), so the pre-translation walk can take Enter and
// Escape away from it.

#include "platform/backend/gtk/GtkNativeChild.h"

#include <deque>
#include <string>

namespace qx::backend::gtk {

class GtkBackend;

class GtkNativeEntry final : public GtkNativeChild {
public:
    GtkNativeEntry(GtkBackend& backend, HWND hwnd);
    ~GtkNativeEntry() override;

    void SetText(const std::u16string& text);
    void SetSelection(int start, int end);
    void SetLook(const EntryLook& look);
    void SetSystemFocus(bool focused);
    bool HasSystemFocus() const { return m_systemFocus; }

    // Keeps a press for later delivery.
    void HoldKey(UINT virtualKey, GdkEventKey* event);
    // Lets the entry handle the oldest held press of virtualKey; older held presses are dropped.
    void DeliverKey(UINT virtualKey);

    std::u16string Text() const;

private:
    struct HeldKey {
        UINT virtualKey;
        GdkEvent* event;
    };

    GtkEntry* Entry() const { return GTK_ENTRY(Widget()); }
    void ReportChange();
    void DropHeldKeys();

    static void OnChanged(GtkEditable* editable, gpointer self);
    static void OnSelectionMoved(GObject* object, GParamSpec* spec, gpointer self);
    static gboolean OnFocusIn(GtkWidget* widget, GdkEventFocus* event, gpointer self);
    static gboolean OnFocusOut(GtkWidget* widget, GdkEventFocus* event, gpointer self);
    static gboolean OnPointer(GtkWidget* widget, GdkEvent* event, gpointer self);
    static gboolean OnButton(GtkWidget* widget, GdkEventButton* event, gpointer self);

    GtkBackend& m_backend;
    GtkCssProvider* m_css = nullptr;
    int m_quiet = 0;  // inside a change the window system asked for
    bool m_systemFocus = false;
    bool m_mouseThrough = false;
    std::deque<HeldKey> m_held;
    std::u16string m_reportedText;
    int m_reportedStart = -1;
    int m_reportedEnd = -1;
};

// UTF-16 offsets and the character offsets GTK counts in.
int CharacterOffsetOf(const std::u16string& text, int unitOffset);
int UnitOffsetOf(const std::u16string& text, int characterOffset);

}  // namespace qx::backend::gtk
