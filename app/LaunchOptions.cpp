#include "app/LaunchOptions.h"

#include <cstdio>
#include <string_view>

namespace qx::app {

LaunchOptions ParseLaunchOptions(std::span<const char* const> args, const char* backendVariable) {
    LaunchOptions options;
    const std::string_view backend = backendVariable ? backendVariable : "";
    if (backend == "headless") {
        options.headless = true;
    } else if (!backend.empty() && backend != "gtk") {
        options.error = "unknown backend in QX_BACKEND: " + std::string(backend);
        return options;
    }
    constexpr std::string_view kScreenshot = "--screenshot=";
    for (const char* arg : args) {
        const std::string_view text = arg ? arg : "";
        if (text == "--headless") {
            options.headless = true;
        } else if (text.starts_with(kScreenshot) && text.size() > kScreenshot.size()) {
            options.screenshotPath = text.substr(kScreenshot.size());
        } else if (options.error.empty()) {
            options.error = "unknown argument: " + std::string(text);
        }
    }
    if (options.error.empty() && !options.screenshotPath.empty() && !options.headless) {
        options.error = "--screenshot needs --headless";
    }
    return options;
}

int ReportLaunchError(const LaunchOptions& options) {
    std::fprintf(stderr, "qxbrowser: %s\nusage: qxbrowser [--headless [--screenshot=FILE]]\n", options.error.c_str());
    return 2;
}

}  // namespace qx::app
