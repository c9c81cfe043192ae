// The program: one application object, a backend chosen once (the desktop's, or a screen in
// memory when asked for), and the application run on it.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>

#include "app/LaunchOptions.h"
#include "app/QXBrowserApp.h"
#include "app/RunApplication.h"
#include "platform/backend/gtk/CreateGtkBackend.h"
#include "platform/backend/gtk/GtkBackend.h"
#include "platform/backend/gtk/GtkWebEngines.h"

CQXBrowserApp theApp;

namespace {

std::span<const char* const> Arguments(int argc, char** argv) {
    return {const_cast<const char* const*>(argv) + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)};
}

}  // namespace

int main(int argc, char* argv[]) {
    const char* backendVariable = std::getenv("QX_BACKEND");
    auto options = qx::app::ParseLaunchOptions(Arguments(argc, argv), backendVariable);
    if (options.headless) {
        return options.error.empty() ? qx::app::RunHeadless(options.screenshotPath) : qx::app::ReportLaunchError(options);
    }
    // GTK takes its own options (--display ...) out of the command line before ours are read.
    const std::unique_ptr<qx::backend::Backend> backend = qx::backend::CreateGtkBackend(argc, argv);
    options = qx::app::ParseLaunchOptions(Arguments(argc, argv), backendVariable);
    if (!options.error.empty()) return qx::app::ReportLaunchError(options);
    if (!backend) {
        std::fprintf(stderr, "qxbrowser: cannot open the display; --headless runs on a screen in memory\n");
        return 1;
    }
    auto& gtk = static_cast<qx::backend::gtk::GtkBackend&>(*backend);
    return qx::app::RunApplication(*backend, [&gtk] { return std::make_shared<qx::backend::gtk::GtkWebEngines>(gtk); });
}
