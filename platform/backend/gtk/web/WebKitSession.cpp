#include "platform/backend/gtk/web/WebKitSession.h"

#include <cstdlib>
#include <cstring>

namespace qx::web {
namespace {

std::string UnderFolder(const char* base) {
    gchar* path = g_build_filename(base, "qxbrowser", nullptr);
    std::string result = path;
    g_free(path);
    return result;
}

// Web content runs in a bubblewrap sandbox wherever the system has it. QX_WEB_SANDBOX=0 turns
// it off for machines whose kernel refuses the namespaces it needs.
bool WantSandbox() {
    const char* setting = std::getenv("QX_WEB_SANDBOX");
    if (setting && std::strcmp(setting, "0") == 0) return false;
    gchar* bwrap = g_find_program_in_path("bwrap");
    const bool found = bwrap != nullptr;
    g_free(bwrap);
    return found;
}

WebKitWebContext* MakeContext() {
    const std::string data = WebsiteDataFolder();
    const std::string cache = WebsiteCacheFolder();
    WebKitWebsiteDataManager* manager = webkit_website_data_manager_new(
        "base-data-directory", data.c_str(), "base-cache-directory", cache.c_str(), nullptr);
    // A certificate that does not check out is an error page, never a silent load.
    webkit_website_data_manager_set_tls_errors_policy(manager, WEBKIT_TLS_ERRORS_POLICY_FAIL);

    WebKitCookieManager* cookies = webkit_website_data_manager_get_cookie_manager(manager);
    gchar* cookieFile = g_build_filename(data.c_str(), "cookies.sqlite", nullptr);
    webkit_cookie_manager_set_persistent_storage(cookies, cookieFile, WEBKIT_COOKIE_PERSISTENT_STORAGE_SQLITE);
    g_free(cookieFile);

    WebKitWebContext* context = webkit_web_context_new_with_website_data_manager(manager);
    g_object_unref(manager);
    webkit_web_context_set_cache_model(context, WEBKIT_CACHE_MODEL_WEB_BROWSER);
    webkit_web_context_set_sandbox_enabled(context, WantSandbox());
    return context;
}

}  // namespace

std::string WebsiteDataFolder() { return UnderFolder(g_get_user_data_dir()); }
std::string WebsiteCacheFolder() { return UnderFolder(g_get_user_cache_dir()); }

WebKitWebContext* SharedWebContext() {
    static WebKitWebContext* const context = MakeContext();
    return context;
}

}  // namespace qx::web
