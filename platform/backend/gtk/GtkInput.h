#pragma once
// Pointer and keyboard input of every top-level window, turned into the window system's events
// at screen points. Presses go up one by one (the window system tells double clicks by time and
// distance). Keys typed into a native entry go to the window system first and reach the entry
// only when the window system lets them through (GtkNativeEntry). Other text comes through an
// input method. Without a window manager, an interactive move is done here (GtkWindowDrag).

#include "platform/backend/Backend.h"

#include <gtk/gtk.h>

#include <memory>
#include <string>

namespace qx::backend::gtk {

class GtkBackend;
class GtkTopLevel;
class GtkManagedMove;
class GtkWindowDrag;

class GtkInput {
public:
    explicit GtkInput(GtkBackend& backend);
    ~GtkInput();
    GtkInput(const GtkInput&) = delete;
    GtkInput& operator=(const GtkInput&) = delete;

    gboolean ButtonPress(GtkTopLevel& top, GdkEventButton* event);
    gboolean ButtonRelease(GtkTopLevel& top, GdkEventButton* event);
    gboolean Motion(GtkTopLevel& top, GdkEventMotion* event);
    gboolean Crossing(GtkTopLevel& top, GdkEventCrossing* event);
    gboolean KeyPress(GtkTopLevel& top, GdkEventKey* event);
    gboolean KeyRelease(GtkTopLevel& top, GdkEventKey* event);
    // The window got the keyboard; true when the desktop gave it by itself, false when it is
    // what the window system asked for (ExpectFocus) or a late answer to an older request.
    bool FocusIn(GtkTopLevel& top);
    void FocusOut(GtkTopLevel& top);
    // The window system asked the desktop to give top the keyboard.
    void ExpectFocus(GtkTopLevel& top);
    // The window is going away.
    void Forget(GtkTopLevel& top);

    // Moves the window with the pointer while the left button stays down: by the window manager
    // where one runs, else by following the pointer ourselves.
    void BeginInteractiveMove(GtkTopLevel& top);
    bool IsMoving() const;
    // The time of the last event from the desktop (for requests that need one).
    guint32 LastEventTime() const { return m_lastTime; }
    // The last button press, as the reason for a menu or a move; null before the first.
    GdkEvent* LastPress() const { return m_lastPress; }

private:
    WindowSystemDelegate* Delegate() const;
    void ReportKeyDown(GdkEventKey* event, const std::u16string& committed, bool committedSome);
    static void OnCommit(GtkIMContext* context, gchar* text, gpointer self);

    GtkBackend& m_backend;
    guint32 m_lastTime = GDK_CURRENT_TIME;
    GdkEvent* m_lastPress = nullptr;
    bool m_leftDown = false;
    std::unique_ptr<GtkWindowDrag> m_drag;
    std::unique_ptr<GtkManagedMove> m_managedMove;
    // Focus asked of the desktop: which window, and until when answers may still come.
    GtkTopLevel* m_focusAsked = nullptr;
    gint64 m_focusAskedUntil = 0;

    GtkIMContext* m_im = nullptr;
    GtkTopLevel* m_imWindow = nullptr;
    bool m_filtering = false;
    std::u16string m_committed;  // what the input method committed while filtering a key
    bool m_deliveringToEntry = false;
    friend class GtkNativeEntry;
};

}  // namespace qx::backend::gtk
