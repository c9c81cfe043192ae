#include "platform/backend/gtk/GtkWebEngines.h"

#include "platform/backend/gtk/GtkBackend.h"
#include "platform/backend/gtk/web/WebKitEngine.h"
#include "platform/webcontrol/WebEngineFactory.h"

namespace qx::backend::gtk {
namespace {

// A WebKit engine living in the page holder of its control window for as long as it lives.
class HeldWebKitEngine final : public web::WebKitEngine {
public:
    HeldWebKitEngine(GtkBackend& backend, HWND host) : m_backend(backend), m_hHost(host) {
        m_backend.CreateNativeChild(m_hHost, NativeChildKind::Page);
        SetParentContainer(m_backend.PageHolder(m_hHost));
    }
    ~HeldWebKitEngine() override {
        // The view leaves the holder before the holder goes.
        SetParentContainer(nullptr);
        m_backend.DestroyNativeChild(m_hHost);
    }

private:
    GtkBackend& m_backend;
    HWND m_hHost;
};

}  // namespace

GtkWebEngines::GtkWebEngines(GtkBackend& backend) {
    web::SetWebEngineFactory([&backend](HWND host) -> std::unique_ptr<web::WebEngine> {
        return std::make_unique<HeldWebKitEngine>(backend, host);
    });
}

GtkWebEngines::~GtkWebEngines() { web::SetWebEngineFactory(nullptr); }

}  // namespace qx::backend::gtk
