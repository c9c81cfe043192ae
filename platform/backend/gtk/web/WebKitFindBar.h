#pragma once
// The small bar for finding text in a page: a search field with next and previous buttons and
// a close button, over the top right corner of the page. Enter finds the next match,
// Shift+Enter the previous one, Escape closes the bar.

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

namespace qx::web {

class WebKitFindBar {
public:
    WebKitFindBar();
    ~WebKitFindBar();
    WebKitFindBar(const WebKitFindBar&) = delete;
    WebKitFindBar& operator=(const WebKitFindBar&) = delete;

    // The bar's widget, to lay over the page; hidden until Show.
    GtkWidget* Widget() const { return m_pBar; }
    GtkWidget* Entry() const { return m_pEntry; }

    // The page the bar searches.
    void SetView(WebKitWebView* view);

    // Shows the bar with its field focused and searches for what it holds.
    void Show();
    // Clears the highlighted matches, hides the bar and gives the focus back to the page.
    void Hide();
    bool IsShown() const;

private:
    WebKitFindController* Controller() const;
    void Search();
    void FindNext();
    void FindPrevious();
    void MarkNotFound(bool notFound);

    static void OnSearchChanged(GtkSearchEntry* entry, gpointer self);
    static void OnStopSearch(GtkSearchEntry* entry, gpointer self);
    static gboolean OnKeyPress(GtkWidget* widget, GdkEventKey* event, gpointer self);
    static void OnNextClicked(GtkButton* button, gpointer self);
    static void OnPreviousClicked(GtkButton* button, gpointer self);
    static void OnCloseClicked(GtkButton* button, gpointer self);
    static void OnFound(WebKitFindController* controller, guint matches, gpointer self);
    static void OnNotFound(WebKitFindController* controller, gpointer self);

    GtkWidget* m_pBar = nullptr;  // owned through a reference of our own
    GtkWidget* m_pEntry = nullptr;
    WebKitWebView* m_pView = nullptr;
};

}  // namespace qx::web
