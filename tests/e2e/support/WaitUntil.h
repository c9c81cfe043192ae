#pragma once
// Waiting in end-to-end tests: the GLib main context runs (so GTK and WebKit make progress)
// until a condition holds or a deadline passes. No fixed sleeps.

#include <chrono>
#include <functional>

namespace qx::e2e {

constexpr std::chrono::milliseconds kDefaultWait{15000};

// Runs the main context until predicate is true (true) or timeout has passed (false).
bool WaitUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout = kDefaultWait);

// Runs the main context for about duration, for checks that something does NOT happen.
void RunMainContextFor(std::chrono::milliseconds duration);

}  // namespace qx::e2e
