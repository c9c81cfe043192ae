#pragma once
// Scripted engines for the web browser controls of a headless program: while this object lives,
// every control window made gets a ScriptedWebEngine that loads from web on clock. Tests reach a
// control's engine by its window, to play the page's and the user's part.

#include "platform/backend/headless/web/ScriptedWebEngine.h"

#include <cstddef>
#include <map>
#include <memory>

namespace qx::web {

class ScriptedWebEngines {
public:
    // Installs the factory. web and clock must outlive every engine made.
    ScriptedWebEngines(ScriptedWeb& web, WebClock& clock);
    // Takes the factory away; engines still alive keep working.
    ~ScriptedWebEngines();
    ScriptedWebEngines(const ScriptedWebEngines&) = delete;
    ScriptedWebEngines& operator=(const ScriptedWebEngines&) = delete;

    // The engine of the control window control; null when it has none (gone, or made elsewhere).
    ScriptedWebEngine* EngineOf(HWND control) const;
    // How many engines are alive.
    std::size_t Count() const { return m_registry->size(); }

private:
    using Registry = std::map<HWND, ScriptedWebEngine*>;
    // Shared with the engines, which take themselves out when they go.
    std::shared_ptr<Registry> m_registry = std::make_shared<Registry>();
};

}  // namespace qx::web
