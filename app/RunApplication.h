#pragma once
// Running the browser on a backend: what main() does once it has chosen one, and what the system
// tests do on the headless backend.

#include <functional>
#include <memory>
#include <string>

namespace qx::backend {
class Backend;
class HeadlessBackend;
}

namespace qx::app {

// Installs the engines behind the pages' web browser controls once the window system runs; what
// it returns keeps them installed and goes before the window system does.
using WebEngineSetup = std::function<std::shared_ptr<void>()>;

// Connects the window system to backend, makes the program's resources known, installs the
// pages' engines and runs the application object (which must exist) to its end. The process's
// exit code; -1 without an application object.
int RunApplication(backend::Backend& backend, const WebEngineSetup& setupEngines);

// RunApplication on a headless backend, with scripted engines behind the pages that load on the
// backend's clock. No page is scripted: only about:blank loads, other addresses fail.
int RunHeadlessApplication(backend::HeadlessBackend& backend);

// Runs the browser on a headless screen of the default size. With a screenshot path, the screen
// is written there as a PNG once start-up is done and the program is then closed; without one
// the run ends as soon as nothing is left to do. A screenshot that cannot be written fails the
// run (exit code 1).
int RunHeadless(const std::string& screenshotPath);

}  // namespace qx::app
