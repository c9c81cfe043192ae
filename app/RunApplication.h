#pragma once
// Running the browser on a backend: what main() does once it has chosen one, and what the system
// tests do on the headless backend.

#include <string>

namespace qx::backend {
class Backend;
}

namespace qx::app {

// Connects the window system to backend, makes the program's resources known and runs the
// application object (which must exist) to its end. The process's exit code; -1 without an
// application object.
int RunApplication(backend::Backend& backend);

// Runs the browser on a headless screen of the default size. With a screenshot path, the screen
// is written there as a PNG once start-up is done and the program is then closed; without one
// the run ends as soon as nothing is left to do. A screenshot that cannot be written fails the
// run (exit code 1).
int RunHeadless(const std::string& screenshotPath);

}  // namespace qx::app
