#include "tests/e2e/support/GtkTestDisplay.h"

#include "tests/e2e/support/XvfbDisplay.h"

#include <gtk/gtk.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace qx::e2e {
namespace {

struct TestDisplay {
    XvfbDisplay xvfb;
    std::string home;
    std::string failure;
    bool prepared = false;

    ~TestDisplay() {
        xvfb.Stop();
        if (!home.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(home, ignored);
        }
    }
};

TestDisplay& Display() {
    static TestDisplay display;
    return display;
}

void Prepare(TestDisplay& display) {
    if (!display.xvfb.Start(display.failure)) return;

    char folder[] = "/tmp/qx-e2e-XXXXXX";
    if (!mkdtemp(folder)) {
        display.failure = "cannot make a scratch folder";
        return;
    }
    display.home = folder;
    // Before anything asks GLib for these folders: it reads them once.
    setenv("XDG_DATA_HOME", (display.home + "/data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (display.home + "/cache").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (display.home + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", display.home.c_str(), 1);

    setenv("DISPLAY", display.xvfb.Name().c_str(), 1);
    setenv("GDK_BACKEND", "x11", 1);
    // No accessibility bus runs here; without this every process warns about it.
    setenv("NO_AT_BRIDGE", "1", 1);
    // No session bus: GTK's own settings (the file chooser writes some) stay in memory.
    setenv("GSETTINGS_BACKEND", "memory", 1);
    // Xvfb has no GPU: software compositing costs the shared cores for nothing.
    setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 1);

    if (!gtk_init_check(nullptr, nullptr)) {
        display.failure = "GTK cannot open display " + display.xvfb.Name();
        return;
    }
    display.prepared = true;
}

}  // namespace

std::string PrepareGtkDisplay() {
    TestDisplay& display = Display();
    if (!display.prepared && display.failure.empty()) Prepare(display);
    return display.prepared ? std::string() : display.failure;
}

const std::string& ScratchHome() { return Display().home; }

}  // namespace qx::e2e

// Full stacks for the leak checker: GLib and GTK are built without frame pointers, and the
// suppressions below must see the frames under them.
extern "C" const char* __asan_default_options() { return "fast_unwind_on_malloc=0"; }

// Under the leak checker: fontconfig and WebKit keep caches and process-wide objects that live
// until exit, and GLib allocates in its library constructor; all are reported at exit. Our own
// allocations stay checked.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libwebkit2gtk-4.1.so\n"
           "leak:libjavascriptcoregtk-4.1.so\n"
           "leak:_dl_init\n";
}
