#include "tests/e2e/support/WaitUntil.h"

#include <glib.h>

namespace qx::e2e {

bool WaitUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    // A ticking source bounds each blocking iteration, so the deadline is seen even when
    // nothing else happens.
    const guint ticker = g_timeout_add(10, [](gpointer) -> gboolean { return G_SOURCE_CONTINUE; }, nullptr);
    bool held = predicate();
    while (!held && std::chrono::steady_clock::now() < deadline) {
        g_main_context_iteration(nullptr, TRUE);
        held = predicate();
    }
    g_source_remove(ticker);
    return held;
}

void RunMainContextFor(std::chrono::milliseconds duration) {
    WaitUntil([] { return false; }, duration);
}

}  // namespace qx::e2e
