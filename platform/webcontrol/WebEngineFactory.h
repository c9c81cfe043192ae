#pragma once
// Where web browser controls get their engines: the backend installs a factory once (the
// WebKitGTK engine for users, scripted engines in tests), and every control window asks it for
// the engine behind its page.

#include "platform/base/WinTypes.h"
#include "platform/webcontrol/WebEngine.h"

#include <functional>
#include <memory>

namespace qx::web {

// Makes the engine for the control window host; the engine places its view in that window.
using WebEngineFactory = std::function<std::unique_ptr<WebEngine>(HWND host)>;

// Installs factory for the controls made from now on, and registers the control's window class
// (once the window system runs), so dialog templates can hold the control. An empty factory
// leaves controls without engines: they can no longer be made.
void SetWebEngineFactory(WebEngineFactory factory);

// A new engine for the control window host; null without a factory, or when it makes none.
std::unique_ptr<WebEngine> CreateWebEngine(HWND host);

}  // namespace qx::web
