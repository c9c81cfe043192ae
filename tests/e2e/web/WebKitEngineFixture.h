#pragma once
// A GTK window under our own Xvfb display hosting a WebKit engine, a page server beside it,
// and helpers to wait for the engine's events.

#include "platform/backend/gtk/web/WebKitEngine.h"
#include "tests/e2e/support/GtkTestDisplay.h"
#include "tests/e2e/support/PageServer.h"
#include "tests/e2e/support/WaitUntil.h"
#include "unit/webcontrol/RecordingListener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace qx::web {

class WebKitEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string why = e2e::PrepareGtkDisplay();
        if (!why.empty()) GTEST_SKIP() << why;
        ASSERT_TRUE(server.IsListening());
        window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        gtk_window_set_default_size(GTK_WINDOW(window), 800, 600);
        gtk_window_move(GTK_WINDOW(window), 0, 0);
        fixed = gtk_fixed_new();
        gtk_container_add(GTK_CONTAINER(window), fixed);
        engine = NewEngine(events);
        gtk_widget_show_all(window);
    }

    void TearDown() override {
        engine.reset();
        others.clear();
        if (window) gtk_widget_destroy(window);
        e2e::RunMainContextFor(std::chrono::milliseconds(20));
    }

    // One more engine in the same window (a new tab, say).
    std::unique_ptr<WebKitEngine> NewEngine(RecordingListener& listener, RECT rect = {0, 0, 800, 600}) {
        auto made = std::make_unique<WebKitEngine>();
        made->SetListener(&listener);
        made->SetParentContainer(fixed);
        made->SetPlacement(rect, true);
        return made;
    }

    static bool Saw(const RecordingListener& listener, const std::string& line) {
        return std::find(listener.events.begin(), listener.events.end(), line) != listener.events.end();
    }
    static int Count(const RecordingListener& listener, const std::string& line) {
        return static_cast<int>(std::count(listener.events.begin(), listener.events.end(), line));
    }
    bool WaitFor(const std::string& line, RecordingListener* listener = nullptr, int times = 1) {
        RecordingListener& l = listener ? *listener : events;
        return e2e::WaitUntil([&] { return Count(l, line) >= times; });
    }
    std::string Url(const std::string& path) const { return server.Url(path); }

    e2e::PageServer server;
    RecordingListener events;
    GtkWidget* window = nullptr;
    GtkWidget* fixed = nullptr;
    std::unique_ptr<WebKitEngine> engine;
    std::vector<std::unique_ptr<WebKitEngine>> others;
};

// A page that stays loading until the server lets its image go.
inline std::string HeldPage(const std::string& title, const std::string& body = "") {
    return "<html><head><title>" + title + "</title></head><body>" + body + "<img src=\"/held.png\"></body></html>";
}

inline std::string SimplePage(const std::string& title, const std::string& body = "") {
    return "<html><head><title>" + title + "</title></head><body>" + body + "</body></html>";
}

}  // namespace qx::web
