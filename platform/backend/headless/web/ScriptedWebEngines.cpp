#include "platform/backend/headless/web/ScriptedWebEngines.h"

#include "platform/webcontrol/WebEngineFactory.h"

namespace qx::web {
namespace {

class TrackedEngine final : public ScriptedWebEngine {
public:
    TrackedEngine(ScriptedWeb& web, WebClock& clock, std::shared_ptr<std::map<HWND, ScriptedWebEngine*>> registry,
                  HWND host)
        : ScriptedWebEngine(web, clock), m_registry(std::move(registry)), m_hHost(host) {
        (*m_registry)[m_hHost] = this;
    }
    ~TrackedEngine() override { m_registry->erase(m_hHost); }

private:
    std::shared_ptr<std::map<HWND, ScriptedWebEngine*>> m_registry;
    HWND m_hHost;
};

}  // namespace

ScriptedWebEngines::ScriptedWebEngines(ScriptedWeb& web, WebClock& clock) {
    SetWebEngineFactory([&web, &clock, registry = m_registry](HWND host) -> std::unique_ptr<WebEngine> {
        return std::make_unique<TrackedEngine>(web, clock, registry, host);
    });
}

ScriptedWebEngines::~ScriptedWebEngines() { SetWebEngineFactory(nullptr); }

ScriptedWebEngine* ScriptedWebEngines::EngineOf(HWND control) const {
    auto it = m_registry->find(control);
    return it == m_registry->end() ? nullptr : it->second;
}

}  // namespace qx::web
