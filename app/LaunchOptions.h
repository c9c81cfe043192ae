#pragma once
// What the command line and the environment ask of the program.

#include <span>
#include <string>

namespace qx::app {

struct LaunchOptions {
    bool headless = false;       // --headless, or QX_BACKEND=headless in the environment (set even
                                 // when something else on the command line is wrong)
    std::string screenshotPath;  // --screenshot=FILE (headless only)
    std::string error;           // not empty: the command line was not understood
};

// args are the arguments after the program name; backendVariable is the value of QX_BACKEND
// (null when unset).
LaunchOptions ParseLaunchOptions(std::span<const char* const> args, const char* backendVariable);

// Tells the user what was not understood and how the program is started; the exit code for it.
int ReportLaunchError(const LaunchOptions& options);

}  // namespace qx::app
