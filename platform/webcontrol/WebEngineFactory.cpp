#include "platform/webcontrol/WebEngineFactory.h"

#include "platform/webcontrol/WebBrowserControl.h"

namespace qx::web {
namespace {

WebEngineFactory& Factory() {
    static WebEngineFactory factory;
    return factory;
}

}  // namespace

void SetWebEngineFactory(WebEngineFactory factory) {
    Factory() = std::move(factory);
    if (Factory()) RegisterWebBrowserControl();
}

std::unique_ptr<WebEngine> CreateWebEngine(HWND host) {
    // A copy: the factory may install another one while it runs.
    const WebEngineFactory factory = Factory();
    return factory ? factory(host) : nullptr;
}

}  // namespace qx::web
