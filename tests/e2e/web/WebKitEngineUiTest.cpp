#include "platform/backend/gtk/web/WebKitFindBar.h"
#include "platform/backend/gtk/web/WebKitSession.h"
#include "tests/e2e/web/WebKitEngineFixture.h"

#include <gtk/gtkunixprint.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qx::web {
namespace {

std::u16string W(const std::string& text) { return Utf8ToWide(text); }

// The first top-level window of the given type, or nullptr.
GtkWidget* FindToplevel(GType type) {
    GList* windows = gtk_window_list_toplevels();
    GtkWidget* found = nullptr;
    for (GList* w = windows; w && !found; w = w->next) {
        if (G_TYPE_CHECK_INSTANCE_TYPE(w->data, type) && gtk_widget_get_visible(GTK_WIDGET(w->data))) {
            found = GTK_WIDGET(w->data);
        }
    }
    g_list_free(windows);
    return found;
}

bool HasTool(const char* name) {
    gchar* path = g_find_program_in_path(name);
    g_free(path);
    return path != nullptr;
}

bool RunTool(const std::string& command) {
    gint status = 0;
    return g_spawn_command_line_sync(command.c_str(), nullptr, nullptr, &status, nullptr) && status == 0;
}

TEST_F(WebKitEngineTest, PlacementPutsThePageAtItsRectangle) {
    engine->SetPlacement({10, 20, 310, 220}, true);
    ASSERT_TRUE(e2e::WaitUntil([&] {
        GtkAllocation a;
        gtk_widget_get_allocation(engine->Widget(), &a);
        return a.x == 10 && a.y == 20 && a.width == 300 && a.height == 200;
    }));
    engine->SetPlacement({10, 20, 310, 220}, false);
    EXPECT_FALSE(gtk_widget_get_visible(engine->Widget()));
}

TEST_F(WebKitEngineTest, SilentPageAnswersItsScriptDialogsItself) {
    server.AddPage("/ask", SimplePage("Asking",
        "<script>alert('hello'); document.title = (confirm('sure?') ? 'yes' : 'no') + '/' + prompt('name');</script>"));
    engine->SetSilent(true);
    engine->Navigate(W(Url("/ask")));
    ASSERT_TRUE(e2e::WaitUntil([&] { return engine->Title() == u"no/null"; }));
}

TEST_F(WebKitEngineTest, StatusTextNamesTheLinkUnderThePointerAndClearsOffIt) {
    if (!HasTool("xdotool")) GTEST_SKIP() << "xdotool is not installed";
    server.AddPage("/links", SimplePage("Links",
        "<style>body{margin:0}</style><a href=\"/b\" style=\"display:block;width:300px;height:200px\">b</a>"));
    engine->Navigate(W(Url("/links")));
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/links")));

    ASSERT_TRUE(RunTool("xdotool mousemove 100 100"));
    ASSERT_TRUE(WaitFor("Status \"" + Url("/b") + "\"")) << ::testing::PrintToString(events.events);
    ASSERT_TRUE(RunTool("xdotool mousemove 600 500"));
    ASSERT_TRUE(WaitFor("Status \"\""));
}

TEST_F(WebKitEngineTest, FindBarFindsTextAndClosesWithEscape) {
    if (!HasTool("xdotool")) GTEST_SKIP() << "xdotool is not installed";
    server.AddPage("/hay", SimplePage("Hay", "<p>needle hay needle hay</p>"));
    engine->Navigate(W(Url("/hay")));
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/hay")));
    guint matches = 0;
    WebKitFindController* controller = webkit_web_view_get_find_controller(engine->WebView());
    const gulong found = g_signal_connect(controller, "found-text",
        G_CALLBACK(+[](WebKitFindController*, guint count, gpointer out) { *static_cast<guint*>(out) = count; }), &matches);

    ASSERT_TRUE(engine->ExecCommand(WebCommand::Find));
    WebKitFindBar& bar = engine->FindBar();
    EXPECT_TRUE(bar.IsShown());
    EXPECT_EQ(gtk_window_get_focus(GTK_WINDOW(window)), bar.Entry());

    gtk_entry_set_text(GTK_ENTRY(bar.Entry()), "NEEDLE");
    EXPECT_TRUE(e2e::WaitUntil([&] { return matches == 2; })) << matches;

    // A key press reaches the window that has the keyboard focus; without a window manager
    // nobody gives it to ours.
    gtk_window_present(GTK_WINDOW(window));
    ASSERT_TRUE(e2e::WaitUntil([&] { return gtk_window_has_toplevel_focus(GTK_WINDOW(window)); }));
    ASSERT_TRUE(RunTool("xdotool key Escape"));
    EXPECT_TRUE(e2e::WaitUntil([&] { return !bar.IsShown(); }));
    g_signal_handler_disconnect(controller, found);
}

TEST_F(WebKitEngineTest, SaveAsWritesThePageAsMhtmlWhereTheUserChose) {
    EXPECT_FALSE(engine->ExecCommand(WebCommand::SaveAs)) << "nothing to save yet";
    server.AddPage("/a", SimplePage("Saved page", "<p>kept for later</p>"));
    engine->Navigate(W(Url("/a")));
    ASSERT_TRUE(e2e::WaitUntil([&] { return engine->Title() == u"Saved page"; }));

    ASSERT_TRUE(engine->ExecCommand(WebCommand::SaveAs));
    GtkWidget* dialog = FindToplevel(GTK_TYPE_FILE_CHOOSER_DIALOG);
    ASSERT_NE(dialog, nullptr);
    gchar* suggested = gtk_file_chooser_get_current_name(GTK_FILE_CHOOSER(dialog));
    EXPECT_STREQ(suggested, "Saved page.mhtml");
    g_free(suggested);
    const std::string file = e2e::ScratchHome() + "/saved.mhtml";
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(dialog), e2e::ScratchHome().c_str());
    gtk_file_chooser_set_current_name(GTK_FILE_CHOOSER(dialog), "saved.mhtml");
    // The chooser takes the folder in asynchronously, as it would for a user.
    ASSERT_TRUE(e2e::WaitUntil([&] {
        GFile* chosen = gtk_file_chooser_get_file(GTK_FILE_CHOOSER(dialog));
        gchar* path = chosen ? g_file_get_path(chosen) : nullptr;
        const bool ready = path && file == path;
        g_free(path);
        if (chosen) g_object_unref(chosen);
        return ready;
    }));
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);

    std::string content;
    ASSERT_TRUE(e2e::WaitUntil([&] {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        content = text.str();
        return content.find("kept for later") != std::string::npos;
    }, std::chrono::milliseconds(3000)));
    EXPECT_NE(content.find("multipart/related"), std::string::npos);
    if (GtkWidget* box = FindToplevel(GTK_TYPE_MESSAGE_DIALOG)) {
        gchar* text = nullptr;
        g_object_get(box, "text", &text, nullptr);
        ADD_FAILURE() << "error shown: " << text;
        g_free(text);
    }
    EXPECT_EQ(FindToplevel(GTK_TYPE_FILE_CHOOSER_DIALOG), nullptr);
}

TEST_F(WebKitEngineTest, PrintShowsThePrintDialogWithoutBlocking) {
    EXPECT_FALSE(engine->ExecCommand(WebCommand::Print)) << "nothing to print yet";
    server.AddPage("/a", SimplePage("Printed"));
    engine->Navigate(W(Url("/a")));
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/a")));

    ASSERT_TRUE(engine->ExecCommand(WebCommand::Print));
    GtkWidget* dialog = FindToplevel(GTK_TYPE_PRINT_UNIX_DIALOG);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(engine->ExecCommand(WebCommand::Print));
    EXPECT_EQ(FindToplevel(GTK_TYPE_PRINT_UNIX_DIALOG), dialog) << "asking again shows the same dialog";
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
    EXPECT_TRUE(e2e::WaitUntil([] { return FindToplevel(GTK_TYPE_PRINT_UNIX_DIALOG) == nullptr; }));
}

TEST_F(WebKitEngineTest, WebsiteDataIsKeptInTheUsersDataFolder) {
    server.AddPage("/cookie", SimplePage("Cookie", "<script>localStorage.setItem('k', 'v');</script>"),
                   "text/html; charset=utf-8", {"Set-Cookie: qx=1; Max-Age=3600; Path=/"});
    engine->Navigate(W(Url("/cookie")));
    ASSERT_TRUE(WaitFor("DocumentComplete " + Url("/cookie")));
    EXPECT_EQ(WebsiteDataFolder(), e2e::ScratchHome() + "/data/qxbrowser");
    EXPECT_EQ(WebsiteCacheFolder(), e2e::ScratchHome() + "/cache/qxbrowser");
    ASSERT_TRUE(e2e::WaitUntil([] {
        std::error_code ignored;
        return std::filesystem::file_size(WebsiteDataFolder() + "/cookies.sqlite", ignored) > 0;
    }));
}

}  // namespace
}  // namespace qx::web
